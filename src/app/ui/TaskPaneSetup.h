#pragma once
// The main window's task pane: its four groups of commands, what each item runs,
// how the preferences place and animate it, and its saved open groups.

namespace plk {

class BarreXP;
class MainWindowServices;

/// Builds the task pane into the main window and connects its items to the menus.
BarreXP* buildTaskPane(MainWindowServices& menu);
/// Applies the preferences "Afficher", "Animation" and "Position" to the pane.
void applyTaskPaneOptions(MainWindowServices& menu);
/// The "BARRE XP" section: save (-1) from the pane or load (0) into it.
void SaveLoadTaskPane(MainWindowServices& menu, int mode);

}  // namespace plk
