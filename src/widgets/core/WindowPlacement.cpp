#include "widgets/core/WindowPlacement.h"

#include <algorithm>

namespace plk {

QRect placeBeside(const QRect& owner, const QSize& size, const QRect& area)
{
    const QSize fit = size.boundedTo(area.size());
    const int right = owner.right() + 1;
    const int left = owner.left() - fit.width();
    int x = 0;
    if (right + fit.width() <= area.right() + 1)
        x = right;
    else if (left >= area.left())
        x = left;
    else if (area.right() - owner.right() >= owner.left() - area.left())
        x = area.right() + 1 - fit.width();
    else
        x = area.left();
    x = std::clamp(x, area.left(), area.right() + 1 - fit.width());
    const int y = std::clamp(owner.top(), area.top(), area.bottom() + 1 - fit.height());
    return {QPoint(x, y), fit};
}

QRect keptWithin(QRect window, const QRect& area)
{
    window.moveLeft(std::clamp(window.left(), area.left(), std::max(area.left(), area.right() + 1 - window.width())));
    window.moveTop(std::clamp(window.top(), area.top(), std::max(area.top(), area.bottom() + 1 - window.height())));
    return window;
}

}  // namespace plk
