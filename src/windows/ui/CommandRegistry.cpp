#include "windows/ui/CommandRegistry.h"

#include <QAction>
#include <QMenu>

namespace plk {

namespace {

int place(const Command& command)
{
    return std::visit([](auto c) { return int(c); }, command);
}

}  // namespace

CommandRegistry::CommandRegistry(QObject* parent) : QObject(parent) {}

QAction* CommandRegistry::add(Command command, const QString& text, const QList<QKeySequence>& keys,
                              std::function<void()> run)
{
    auto* a = new QAction(text, this);
    a->setShortcuts(keys);
    connect(a, &QAction::triggered, this, [this, command] { this->run(command); });
    m_entries[command] = Entry{a, std::move(run)};
    return a;
}

QAction* CommandRegistry::action(Command command) const
{
    const auto it = m_entries.find(command);
    return it == m_entries.end() ? nullptr : it->second.action;
}

void CommandRegistry::run(Command command) const
{
    const auto it = m_entries.find(command);
    if (it != m_entries.end() && it->second.run)
        it->second.run();
}

void CommandRegistry::addTo(QMenu* menu, std::initializer_list<Command> commands) const
{
    int next = 0;
    for (const Command& command : commands) {
        for (; next < place(command); ++next)
            menu->addSeparator();
        menu->addAction(action(command));
        ++next;
    }
}

QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QList<QKeySequence>& extra)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    for (const QKeySequence& k : extra)
        if (!keys.contains(k))
            keys.append(k);
    return keys;
}

}  // namespace plk
