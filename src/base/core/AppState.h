#pragma once
// What the whole program shares for the whole run, in one place: the five preferences,
// whether the tool box is open, the object last clicked on a tab and the object
// clipboard. The program's start makes one and hands it to the main window, which hands
// it to the windows; a test makes its own.

#include <QString>
#include <cstdint>

namespace plk {

struct AppOptions {
    std::int16_t Afficher = 0;   // 1: the task pane is hidden at start
    std::int16_t Animation = 0;  // 1: task-pane groups open without animation
    std::int16_t Position = 0;   // 1: the task pane sits on the right
    std::int16_t Maximiser = 0;  // 1: project windows open maximised
    std::int16_t Boite = 0;      // 1: the tool box shows after a project is opened
};

struct AppState {
    AppOptions Options;
    /// The tool box is open (asked for); minimising the main window only hides it.
    bool BoiteVisible = false;
    /// The object last clicked on a tab, 0 for none.
    std::int16_t ObjetActif = 0;
    /// The last copied LABEL, LOGO or CODE record, shared by every tab of every project
    /// window. The system clipboard is not used.
    QString ObjectClipboard;
};

}  // namespace plk
