#pragma once
// The zoom of a tab's view, in whole percent: the steps Ctrl++ and Ctrl+− go through,
// the zoom that fits a canvas in an area, and how the status bar shows it. The zoom
// belongs to the view only: the tab, its file, its snapshot and its printing never
// see it.

#include <QSize>
#include <QString>

namespace plk {

inline constexpr int kMinZoom = 25;
inline constexpr int kMaxZoom = 800;

/// The next step above or below `percent` (it may lie between steps), within 25..800.
int zoomIn(int percent);
int zoomOut(int percent);
/// The largest zoom (whole percent, within 25..800) at which `canvas` fits in `area`.
int fitZoom(QSize area, QSize canvas);
/// "Zoom : 150 %".
QString zoomStatus(int percent);

}  // namespace plk
