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
        for (int i = 1; i <= tab.logoCount(); ++i) {
            const Etiquette::LogoElement& o = tab.logo(i);
            if (o.Visible)
                s.picture(o.picture, roundHalfEven(at.x() + o.Left), roundHalfEven(at.y() + o.Top), o.Width, o.Height);
        }
        for (int i = 1; i <= tab.labelCount(); ++i) {
            const TextObject& o = tab.label(i);
            if (o.Visible)
                s.text(roundHalfEven(at.x() + o.Left), roundHalfEven(at.y() + o.Top), o.Caption, tab.labelFont(i),
                       toQColor(o.ForeColor));
        }
    };
}

LabelArt pastedLabel(const QImage& snapshot, QSizeF size)
{
    return [snapshot, size](Surface& s, QPointF at) { s.picture(snapshot, at.x(), at.y(), size.width(), size.height()); };
}

}  // namespace plk
