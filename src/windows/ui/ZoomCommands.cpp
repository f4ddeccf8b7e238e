#include "windows/ui/ZoomCommands.h"

#include "canvas/core/ZoomSteps.h"
#include "canvas/ui/EtiquetteView.h"
#include "windows/ui/CommandRegistry.h"

#include <QAction>
#include <QMenu>

namespace plk {

ZoomCommands::ZoomCommands(std::function<EtiquetteView*()> currentView, QObject* parent)
    : QObject(parent), m_currentView(std::move(currentView))
{
    struct Entry {
        Command command;
        const char* caption;
        QList<QKeySequence> keys;
    };
    // Ctrl+= too: on many keyboards "+" needs Maj, and Ctrl+Maj+= is easy to miss.
    const Entry entries[] = {
        {Command::In, "Zoom avant", standardKeys(QKeySequence::ZoomIn, {QKeySequence(Qt::CTRL | Qt::Key_Equal)})},
        {Command::Out, "Zoom arrière", standardKeys(QKeySequence::ZoomOut)},
        {Command::Actual, "Zoom 100 %", {QKeySequence(Qt::CTRL | Qt::Key_0)}},
        {Command::Fit, "Ajuster à la fenêtre", {}},
    };
    for (const Entry& e : entries) {
        auto* a = new QAction(QString::fromUtf8(e.caption), this);
        a->setShortcuts(e.keys);
        const Command command = e.command;
        connect(a, &QAction::triggered, this, [this, command] { run(command); });
        m_actions.append(a);
    }
}

void ZoomCommands::addTo(QMenu* menu)
{
    menu->addSeparator();
    menu->addActions(m_actions);
}

QAction* ZoomCommands::action(Command command) const { return m_actions.at(int(command)); }

void ZoomCommands::run(Command command)
{
    EtiquetteView* view = m_currentView();
    if (!view)
        return;
    switch (command) {
    case Command::In: view->setZoom(zoomIn(view->zoom())); break;
    case Command::Out: view->setZoom(zoomOut(view->zoom())); break;
    case Command::Actual: view->setZoom(100); break;
    case Command::Fit: view->zoomToFit(); break;
    }
}

}  // namespace plk
