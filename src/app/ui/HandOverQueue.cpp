#include "app/ui/HandOverQueue.h"

namespace plk {

namespace {

// One message tells this many failures; the others are counted.
constexpr int kMessagesListed = 10;

QString together(const QStringList& held)
{
    QStringList listed = held.mid(0, kMessagesListed);
    if (held.size() > kMessagesListed)
        listed << QStringLiteral("… et %1 autres fichiers.").arg(held.size() - kMessagesListed);
    return listed.join(QStringLiteral("\n\n"));
}

}  // namespace

HandOverQueue::HandOverQueue(HeldMessages& dialogs, std::function<void(const QString&)> open, QWidget* parent)
    : m_dialogs(dialogs), m_open(std::move(open)), m_parent(parent)
{
}

void HandOverQueue::add(const QStringList& files)
{
    m_pending << files;
    if (!m_running)
        run();  // otherwise the run under way takes them
}

void HandOverQueue::run()
{
    m_running = true;
    for (;;) {
        m_dialogs.hold(true);
        while (!m_pending.isEmpty())
            m_open(m_pending.takeFirst());
        m_dialogs.hold(false);
        const QStringList held = m_dialogs.takeHeld();
        if (held.isEmpty())
            break;
        // Files handed over while this is shown are opened after it.
        m_dialogs.shown().message(m_parent, together(held), Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
    }
    m_running = false;
}

}  // namespace plk
