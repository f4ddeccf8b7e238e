#pragma once
// The undo history of one project. The project's state is its tabs' records (what the
// file would hold) plus the selection; a step keeps that state before and after one
// change, and undoing reads the records back in as opening a file does, so what comes
// back is exactly what was there. Changes are noticed when the tabs say something
// changed (a batch of changes is one announcement) and are gathered into one step once
// the command that made them is over: when the events it caused have run, or when the
// window says a step ends (a command, a press on the canvas, leaving a field).

#include "canvas/core/TabObject.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QUndoStack>
#include <functional>
#include <optional>
#include <vector>

namespace plk {

class Etiquette;
class Project;

/// The state one step goes back or forward to.
struct ProjectState {
    QStringList tabs;  // each tab's records, ONGLET first
    int selectedTab = 1;
    // The selection of the selected tab: the kind (none without one) and which object
    // of that kind, counted among the records of the kind from 1.
    std::optional<ObjectKind> selectionKind;
    int selectionOrdinal = 0;

    bool sameRecords(const ProjectState& other) const { return tabs == other.tabs; }
};

class ProjectHistory : public QObject {
    Q_OBJECT

public:
    static constexpr int kStepLimit = 500;

    /// `selectedTab` tells which tab the window shows; `selectTab` shows another.
    ProjectHistory(Project& project, std::function<int()> selectedTab, std::function<void(int)> selectTab,
                   QObject* parent = nullptr);
    ~ProjectHistory() override;

    QUndoStack& stack() { return m_stack; }

    /// While held (a drag in progress), changes wait; releasing gathers them into one step.
    void hold();
    void release();
    /// Changes made under the same key, with nothing else between, make one step (the
    /// visits of one field); a null key ends the gathering.
    void setMergeKey(const void* key);
    /// Gathers the changes made so far into a step now.
    void checkpoint();
    /// Gathers them and closes the gathering: what comes next is another step.
    void separate();
    /// Steps back or forward, once the changes made so far are a step of their own.
    void undo();
    void redo();
    /// The project as it is now is the saved one (opened or saved).
    void markSaved();
    /// Forgets the steps: the project as it is now is where the history starts.
    void reset();

    ProjectState capture();
    /// Brings the project to the state: tabs added or removed, tabs that differ read back.
    void restore(const ProjectState& state);

    /// The name of the change between two states, as the menu shows it after
    /// "Annuler" or "Rétablir" ("le déplacement", "la suppression de l'objet"...).
    static QString stepName(const ProjectState& before, const ProjectState& after);

private:
    void watchTab(int index);
    void markDirty(const Etiquette* tab);
    void schedule();

    Project& m_project;
    std::function<int()> m_selectedTab;
    std::function<void(int)> m_selectTab;
    QUndoStack m_stack;
    QTimer m_pending;
    ProjectState m_last;
    std::vector<bool> m_dirty;  // per tab: its records may have changed since m_last
    bool m_held = false;
    bool m_restoring = false;
    const void* m_mergeKey = nullptr;
    int m_mergeGeneration = 0;
};

}  // namespace plk
