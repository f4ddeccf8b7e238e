#pragma once
// "Annuler" and "Rétablir" in the main window's menu: they act on the project window
// in front, name its next step and are disabled when it has nothing to undo or redo.

#include <QObject>
#include <QPointer>
#include <QUndoGroup>

class QAction;
class QMenu;

namespace plk {

class frmProjet;

class UndoCommands : public QObject {
    Q_OBJECT

public:
    explicit UndoCommands(QObject* parent = nullptr);

    /// Adds the two entries and a separator to the end of the menu.
    void addTo(QMenu* menu);
    /// A new project window: its history joins the ones followed.
    void addWindow(frmProjet& window);
    /// The window in front (or none).
    void follow(frmProjet* window);

    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }

private:
    QUndoGroup m_group;
    QPointer<frmProjet> m_window;
    QAction* m_undo;
    QAction* m_redo;
};

/// The texts of the entries for a step named `step` ("Annuler le déplacement").
QString undoText(const QString& step);
QString redoText(const QString& step);

}  // namespace plk
