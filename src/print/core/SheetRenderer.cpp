#include "print/core/SheetRenderer.h"

#include "base/core/Rounding.h"
#include "canvas/core/Etiquette.h"

namespace plk {

bool renderSheets(SheetOutput& output, const SheetLayout& layout, const LabelArt& art)
{
    for (int sheet = 1; sheet <= layout.sheetCount(); ++sheet) {
        if (sheet > 1 && !output.newSheet())
            return false;
        for (const QPointF& at : layout.labels())
            art(output.sheet(), at);
    }
    return true;
}

LabelArt printedLabel(const Etiquette& tab, const QImage& background)
{
    const QSizeF size(tab.prjWidth(), tab.prjHeight());
    return [&tab, background, size](Surface& s, QPointF at) {
        s.picture(background, at.x(), at.y(), size.width(), size.height());
        if (tab.Bordure())
            s.box(at.x(), at.y(), at.x() + size.width(), at.y() + size.height(), toQColor(tab.BorderColor()),
                  tab.DrawStyle());
        // Objects go to whole millimetres of the sheet; a label off the whole millimetre
        // (on a sheet's exact grid) takes its objects along by its fraction.
        const QPointF whole(roundHalfEven(at.x()), roundHalfEven(at.y()));
        const QPointF fraction = at - whole;
        const auto place = [&](float left, float top) {
            return QPointF(roundHalfEven(whole.x() + left), roundHalfEven(whole.y() + top)) + fraction;
        };
        for (int i = 1; i <= tab.logoCount(); ++i) {
            const Etiquette::LogoElement& o = tab.logo(i);
            if (o.Visible) {
                const QPointF p = place(o.Left, o.Top);
                s.picture(o.picture, p.x(), p.y(), o.Width, o.Height);
            }
        }
        for (int i = 1; i <= tab.labelCount(); ++i) {
            const TextObject& o = tab.label(i);
            if (o.Visible) {
                const QPointF p = place(o.Left, o.Top);
                s.text(p.x(), p.y(), o.Caption, tab.labelFont(i), toQColor(o.ForeColor));
            }
        }
    };
}

LabelArt pastedLabel(const QImage& snapshot, QSizeF size)
{
    return [snapshot, size](Surface& s, QPointF at) { s.picture(snapshot, at.x(), at.y(), size.width(), size.height()); };
}

}  // namespace plk
