#pragma once
// Where a floating window goes beside the window it serves, on the screen.

#include <QRect>

namespace plk {

/// A window of `size` beside `owner` (screen pixels): on its right when it fits in
/// `area` there, otherwise on its left, otherwise against the side of `area` with
/// more room; level with the owner's top. Always inside `area` (cut to it when larger).
QRect placeBeside(const QRect& owner, const QSize& size, const QRect& area);

/// The window moved the least that puts it wholly inside `area` (its top-left corner
/// inside when it is the larger).
QRect keptWithin(QRect window, const QRect& area);

}  // namespace plk
