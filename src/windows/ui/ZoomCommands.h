#pragma once
// "Zoom avant", "Zoom arrière", "Zoom 100 %" and "Ajuster à la fenêtre" in the main
// window's menu: they zoom the view of the tab in front in the project window in front.

#include <QObject>
#include <functional>

class QAction;
class QMenu;

namespace plk {

class EtiquetteView;

class ZoomCommands : public QObject {
    Q_OBJECT

public:
    enum class Command { In, Out, Actual, Fit };

    /// `currentView` gives the view the commands act on, or none.
    explicit ZoomCommands(std::function<EtiquetteView*()> currentView, QObject* parent = nullptr);

    /// Adds a separator and the four entries to the end of the menu.
    void addTo(QMenu* menu);
    QAction* action(Command command) const;
    void run(Command command);

private:
    std::function<EtiquetteView*()> m_currentView;
    QList<QAction*> m_actions;
};

}  // namespace plk
