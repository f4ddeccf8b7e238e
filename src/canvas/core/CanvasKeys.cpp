#include "canvas/core/CanvasKeys.h"

#include "canvas/core/Etiquette.h"

#include <algorithm>
#include <vector>

namespace plk {

namespace {

struct Selected {
    Etiquette::ObjectKind kind;
    int index;
    bool operator==(const Selected&) const = default;
};

// Texts first, then logos, each in the order they were made: the order Tab goes through.
std::vector<Selected> visibleObjects(const Etiquette& tab)
{
    std::vector<Selected> objects;
    for (int i = 1; i <= tab.labelCount(); ++i)
        if (tab.label(i).Visible)
            objects.push_back({Etiquette::ObjectKind::Label, i});
    for (int i = 1; i <= tab.logoCount(); ++i)
        if (tab.logo(i).Visible)
            objects.push_back({Etiquette::ObjectKind::Logo, i});
    return objects;
}

bool hasSelection(const Etiquette& tab) { return tab.LabelFocus() > 0 || tab.LogoFocus() > 0; }

void selectNext(Etiquette& tab, bool backwards)
{
    const std::vector<Selected> objects = visibleObjects(tab);
    if (objects.empty())
        return;
    const Selected current = tab.LabelFocus() > 0 ? Selected{Etiquette::ObjectKind::Label, tab.LabelFocus()}
                                                : Selected{Etiquette::ObjectKind::Logo, tab.LogoFocus()};
    const auto n = std::ptrdiff_t(objects.size());
    std::ptrdiff_t at = std::find(objects.begin(), objects.end(), current) - objects.begin();
    if (at == n)
        at = backwards ? 0 : n - 1;  // nothing selected: the first or the last one
    const Selected next = objects.at(std::size_t((at + (backwards ? n - 1 : 1)) % n));
    tab.objectClick(next.kind, next.index);
}

void nudge(Etiquette& tab, double dx, double dy)
{
    if (tab.Cadenas())
        return;
    if (tab.LabelFocus() > 0) {
        const TextObject& o = tab.label(tab.LabelFocus());
        tab.PositionObjet(tab.LabelFocus(), o.Top + dy, o.Left + dx);
    } else if (tab.LogoFocus() > 0) {
        const LogoObject& o = tab.logo(tab.LogoFocus());
        tab.PositionObjet(tab.LogoFocus(), o.Top + dy, o.Left + dx);
    }
}

}  // namespace

bool handleCanvasKey(Etiquette& tab, int key, bool shift, const std::function<void()>& deleteSelected)
{
    const double step = shift ? kShiftNudgeMm : kNudgeMm;
    switch (key) {
    case Qt::Key_Delete:
        if (hasSelection(tab))
            deleteSelected();
        return true;
    case Qt::Key_Left: nudge(tab, -step, 0); return true;
    case Qt::Key_Right: nudge(tab, step, 0); return true;
    case Qt::Key_Up: nudge(tab, 0, -step); return true;
    case Qt::Key_Down: nudge(tab, 0, step); return true;
    case Qt::Key_Escape:
        if (hasSelection(tab))
            tab.backgroundClick();
        return true;
    case Qt::Key_Tab: selectNext(tab, shift); return true;
    case Qt::Key_Backtab: selectNext(tab, true); return true;
    default: return false;
    }
}

}  // namespace plk
