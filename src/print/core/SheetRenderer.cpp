#include "print/core/SheetRenderer.h"

#include "base/core/Rounding.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/ImageSurface.h"
#include "canvas/core/TabData.h"
#include "canvas/core/TabRenderer.h"
#include "print/core/PrinterSurface.h"

#include <algorithm>

namespace plk {

namespace {

constexpr double kLineMm = PrinterSurface::kLineTwips / kTwipsPerMm;

/// Whether every pixel of the picture is opaque white, the paper's own colour.
bool paperWhite(const QImage& picture)
{
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        if (std::any_of(line, line + argb.width(), [](QRgb pixel) { return pixel != 0xFFFFFFFFu; }))
            return false;
    }
    return true;
}

}  // namespace

void drawPage(Surface& surface, const SheetPlan& plan, int page, const std::vector<LabelArt>& arts)
{
    for (const SheetPlan::Label& label : plan.page(page))
        arts.at(std::size_t(label.design))(surface, label.at, label.row);
}

bool renderSheets(SheetOutput& output, const SheetPlan& plan, const std::vector<LabelArt>& arts,
                  const std::vector<int>& sheets)
{
    std::vector<int> order = sheets;
    for (int sheet = 1; sheets.empty() && sheet <= plan.sheetCount(); ++sheet)
        order.push_back(sheet);
    bool first = true;
    for (const int sheet : order) {
        const int front = plan.duplex() ? 2 * sheet - 1 : sheet;
        for (int page = front; page <= (plan.duplex() ? front + 1 : front); ++page) {
            if (!first && !output.newSheet())
                return false;
            first = false;
            output.turnTo(plan.isBack(page));
            drawPage(output.sheet(), plan, page, arts);
        }
    }
    return true;
}

bool renderSheets(SheetOutput& output, const SheetLayout& layout, const LabelArt& art)
{
    // No tab to look into: no other design, no rows.
    return renderSheets(output, SheetPlan(layout, Design()), {art});
}

LabelArt printedLabel(const Etiquette& tab, const QImage& background)
{
    const QSizeF size(tab.prjWidth(), tab.prjHeight());
    // A white background is the paper itself: drawn on each of 100,000 labels it would
    // only add a picture's placing to every one of them in the file.
    const QImage shown = paperWhite(background) ? QImage() : background;
    return [&tab, shown, size](Surface& s, QPointF at, const RowValues& row) {
        s.picture(shown, at.x(), at.y(), size.width(), size.height());
        // The border's line runs inside the label's edge, as the canvas's last pixels do.
        if (tab.Bordure())
            s.box(at.x(), at.y(), at.x() + size.width() - kLineMm, at.y() + size.height() - kLineMm,
                  toQColor(tab.BorderColor()), tab.DrawStyle());
        // Objects go to whole millimetres of the sheet; a label off the whole millimetre
        // (on a sheet's exact grid) takes its objects along by its fraction. An object
        // placed exactly keeps its own fractions.
        const QPointF whole(roundHalfEven(at.x()), roundHalfEven(at.y()));
        const QPointF fraction = at - whole;
        // A long address ends at the label's edge rather than on its neighbour.
        s.clipTo(QRectF(at, size));
        paintTabObjects(s, tab, DrawOrder::Printed, row, [&at, &whole, &fraction](const TabObject& o) {
            const QPointF corner = o.corner();
            if (o.exactCorner())
                return at + corner;
            return QPointF(roundHalfEven(whole.x() + corner.x()), roundHalfEven(whole.y() + corner.y())) + fraction;
        });
        s.clipTo(QRectF());
    };
}

LabelArt pastedLabel(const Etiquette& tab, double pageDotsPerInch, bool forRows)
{
    const QSizeF size(tab.prjWidth(), tab.prjHeight());
    const TabRenderer renderer(tab);
    // A giant tab is pasted from a picture of bounded size (the page shows a part of it).
    const double dotsPerInch = dotsPerInchWithin(tab.canvasTwips(), pageDotsPerInch);
    // For rows the canvas alone is painted once, and each row's objects over a copy of
    // it (a back takes its front's row, or none).
    const QImage picture = renderer.picture(dotsPerInch, forRows);
    return [renderer, picture, dotsPerInch, size, forRows](Surface& s, QPointF at, const RowValues& row) {
        const QImage label = forRows ? renderer.withObjects(picture, dotsPerInch, row) : picture;
        s.picture(label, at.x(), at.y(), size.width(), size.height());
    };
}

}  // namespace plk
