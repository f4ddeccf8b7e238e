#pragma once
// The main window's commands as actions. Each command has one QAction, which holds its
// text, its keys and its enabled state; the menus show these actions, and the task pane
// and the project windows' toolbars trigger them, so a command runs the same way (one
// undo step) wherever it is started from.

#include "windows/ui/MenuCommands.h"

#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <functional>
#include <initializer_list>
#include <map>
#include <variant>
#include <vector>

class QAction;
class QMenu;

namespace plk {

/// A command, named by its menu entry.
using Command = std::variant<Fichier, Edition, Projet, Fenetre, Aide>;

class CommandRegistry : public QObject {
    Q_OBJECT

public:
    explicit CommandRegistry(QObject* parent = nullptr);

    /// Makes the command's action; `run` is what triggering it does.
    QAction* add(Command command, const QString& text, const QList<QKeySequence>& keys, std::function<void()> run);
    /// The command's action; null for a command never added.
    QAction* action(Command command) const;
    /// Runs the command as its action does, also while the action is disabled (the
    /// canvas's Suppr key acts on the object it has, whatever the menu last showed).
    void run(Command command) const;
    /// Adds the commands' actions to the menu, each at the place its index gives it:
    /// separators fill the places between them.
    void addTo(QMenu* menu, std::initializer_list<Command> commands) const;

    /// A command that shows beside its menu entry, with its picture: in the task pane
    /// after the pane's own items, in group `paneGroup`, and on the project windows'
    /// toolbars after their own buttons, captioned `button`.
    struct Placed {
        Command command;
        QIcon icon;
        int paneGroup;
        QString button;
    };
    void addPlaced(Placed placed) { m_placed.push_back(std::move(placed)); }
    /// The commands placed so, in the order they were placed.
    const std::vector<Placed>& placed() const { return m_placed; }

private:
    struct Entry {
        QAction* action;
        std::function<void()> run;
    };
    std::map<Command, Entry> m_entries;
    std::vector<Placed> m_placed;
};

/// The keys of a standard key on this platform, then `extra` ones not among them.
QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QList<QKeySequence>& extra = {});

}  // namespace plk
