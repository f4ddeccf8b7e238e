#include "canvas/core/CanvasKeys.h"

#include "canvas/core/Etiquette.h"
#include "canvas/core/TabRenderer.h"

#include <algorithm>
#include <vector>

namespace plk {

namespace {

// Every visible object, each kind in the order of its slots (texts, logos, codes):
// the order Tab goes through.
void selectNext(Etiquette& tab, bool backwards)
{
    const std::vector<const TabObject*> objects = drawingOrder(tab, DrawOrder::Picture);
    if (objects.empty())
        return;
    const auto n = std::ptrdiff_t(objects.size());
    std::ptrdiff_t at = std::find(objects.begin(), objects.end(), tab.selected()) - objects.begin();
    if (at == n)
        at = backwards ? 0 : n - 1;  // nothing selected: the first or the last one
    const TabObject* next = objects.at(std::size_t((at + (backwards ? n - 1 : 1)) % n));
    tab.objectClick(next->kind(), next->slot());
}

void nudge(Etiquette& tab, double dx, double dy)
{
    const TabObject* o = tab.selected();
    if (tab.Cadenas() || !o)
        return;
    const QPointF corner = o->corner();
    tab.PositionObjet(o->slot(), corner.y() + dy, corner.x() + dx);
}

}  // namespace

bool handleCanvasKey(Etiquette& tab, int key, bool shift)
{
    const double step = shift ? kShiftNudgeMm : kNudgeMm;
    switch (key) {
    case Qt::Key_Left: nudge(tab, -step, 0); return true;
    case Qt::Key_Right: nudge(tab, step, 0); return true;
    case Qt::Key_Up: nudge(tab, 0, -step); return true;
    case Qt::Key_Down: nudge(tab, 0, step); return true;
    case Qt::Key_Escape:
        if (tab.selected())
            tab.backgroundClick();
        return true;
    case Qt::Key_Tab: selectNext(tab, shift); return true;
    case Qt::Key_Backtab: selectNext(tab, true); return true;
    default: return false;
    }
}

}  // namespace plk
