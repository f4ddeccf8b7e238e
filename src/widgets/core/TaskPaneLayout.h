#pragma once
// The task pane's geometry in twips: where groups, titles, buttons and items go.

#include <QRect>
#include <vector>

namespace plk::TaskPaneLayout {

inline constexpr int kFixedPaneWidth = 3312;  // display style 1
inline constexpr int kSideMargins = 250;      // pane width minus group width
inline constexpr int kGroupLeft = kSideMargins / 2;
inline constexpr int kFirstGroupTop = 180;
inline constexpr int kGroupGap = 220;
inline constexpr int kTitleHeight = 375;
inline constexpr int kCaptionLeft = 180;
inline constexpr int kButtonSize = 270;
inline constexpr int kButtonRightGap = 60;
inline constexpr int kButtonTop = 45;
inline constexpr int kIconLeft = 200;
inline constexpr int kIconSize = 240;  // 16 pixels
inline constexpr int kFirstIconTop = 520;
inline constexpr int kIconGap = 70;
inline constexpr int kIconCaptionGap = 90;
inline constexpr int kOpenBottomMargin = 180;

/// Width of every title and panel in a pane of the given inner width.
inline constexpr int groupWidth(int paneWidth) { return paneWidth - kSideMargins; }

/// The expand/collapse button inside a title of the given width.
inline QRect buttonRect(int titleWidth)
{
    return QRect(titleWidth - kButtonRightGap - kButtonSize, kButtonTop, kButtonSize, kButtonSize);
}

/// Top of the icon of the item at position `index` (from 0) in its panel.
inline constexpr int iconTop(int index) { return kFirstIconTop + index * (kIconSize + kIconGap); }

/// Height of an open panel holding `itemCount` items: the bottom of its last icon
/// plus a margin; an empty group opens no further than its title.
inline constexpr int openHeight(int itemCount)
{
    return itemCount == 0 ? kTitleHeight : iconTop(itemCount - 1) + kIconSize + kOpenBottomMargin;
}

/// Tops of the groups: the first stays where it is, each further one starts a gap
/// below the bottom of the panel above it, whatever that panel's state.
std::vector<int> stackTops(int firstTop, const std::vector<int>& panelHeights);

/// Height the pane needs to show every group, given the last panel's bottom.
inline constexpr int contentHeight(int lastPanelBottom) { return lastPanelBottom + kFirstGroupTop; }

}  // namespace plk::TaskPaneLayout
