#pragma once
// The keys that edit the selection on a tab's canvas: the arrows move it (1 mm, 5 mm
// with Maj) unless the tab is locked, Échap clears the selection, Tab and Maj+Tab go to
// the next or previous object: every kind alike, texts, then logos, then codes. Suppr
// is the project window's: it runs the menu's command.

namespace plk {

class Etiquette;

/// The millimetres one arrow key moves the selected object.
inline constexpr double kNudgeMm = 1.0;
inline constexpr double kShiftNudgeMm = 5.0;

/// Handles a key (a Qt::Key) on the tab; false for keys it leaves alone.
bool handleCanvasKey(Etiquette& tab, int key, bool shift);

}  // namespace plk
