#include "print/core/SheetRenderer.h"

#include "base/core/Rounding.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/ImageSurface.h"
#include "canvas/core/TabData.h"
#include "canvas/core/TabRenderer.h"
#include "merge/core/DataTable.h"
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

SheetLabels::SheetLabels(const SheetLayout& layout) : m_layout(layout) {}

SheetLabels::SheetLabels(const SheetLayout& layout, const Etiquette& tab, const DataTable* table, const QDateTime& now)
    : m_layout(layout), m_table(table), m_countSheets(tab.mergeSettings().counter.perSheet)
{
    if (table)
        m_rows.emplace(MergedSheets::of(*table, tab.mergeSettings(), int(layout.labels().size())));
    if (usesBuiltInMarkers(mergedTexts(tab)))
        m_builtIns.emplace(tab.mergeSettings(), now, QLocale::system());
}

int SheetLabels::sheetCount() const { return m_rows ? m_rows->sheetCount() : m_layout.sheetCount(); }

qint64 SheetLabels::countersUsed() const
{
    if (m_countSheets)
        return sheetCount();
    return m_rows ? m_rows->labelCount() : qint64(sheetCount()) * qint64(m_layout.labels().size());
}

void SheetLabels::drawSheet(Surface& surface, int sheet, const LabelArt& art) const
{
    const std::vector<QPointF>& labels = m_layout.labels();
    const BuiltInValues* builtIns = m_builtIns ? &*m_builtIns : nullptr;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        // The counter goes on from label to label (from the first one a row fills), or sheet to sheet.
        const qint64 label = qint64(sheet - 1) * qint64(labels.size()) + qint64(i) - (m_rows ? m_rows->firstSlot() : 0);
        const qint64 counter = m_countSheets ? sheet - 1 : label;
        if (!m_rows) {
            art(surface, labels[i], RowValues(nullptr, -1, builtIns, counter));
            continue;
        }
        const int row = m_rows->rowAt(sheet - 1, int(i));
        if (row >= 0)
            art(surface, labels[i], RowValues(m_table, row, builtIns, counter));
    }
}

bool renderSheets(SheetOutput& output, const SheetLabels& labels, const LabelArt& art)
{
    for (int sheet = 1; sheet <= labels.sheetCount(); ++sheet) {
        if (sheet > 1 && !output.newSheet())
            return false;
        labels.drawSheet(output.sheet(), sheet, art);
    }
    return true;
}

bool renderSheets(SheetOutput& output, const SheetLayout& layout, const LabelArt& art)
{
    return renderSheets(output, SheetLabels(layout), art);
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
        // (on a sheet's exact grid) takes its objects along by its fraction.
        const QPointF whole(roundHalfEven(at.x()), roundHalfEven(at.y()));
        const QPointF fraction = at - whole;
        // A long address ends at the label's edge rather than on its neighbour.
        s.clipTo(QRectF(at, size));
        paintTabObjects(s, tab, DrawOrder::Printed, row, [&whole, &fraction](QPointF corner) {
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
    // For rows the canvas alone is painted once, and each row's objects over a copy of it.
    const QImage picture = renderer.picture(dotsPerInch, forRows);
    return [renderer, picture, dotsPerInch, size](Surface& s, QPointF at, const RowValues& row) {
        const QImage label = row.empty() ? picture : renderer.withObjects(picture, dotsPerInch, row);
        s.picture(label, at.x(), at.y(), size.width(), size.height());
    };
}

}  // namespace plk
