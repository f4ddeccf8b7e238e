#include "print/core/PrintMarks.h"

#include "canvas/core/OutlineGuide.h"

#include <QPainter>
#include <algorithm>

namespace plk {

namespace {

const QColor kOutlineGrey(0x80, 0x80, 0x80);
constexpr double kOutlineMm = 0.1;
constexpr double kMarkGapMm = 1;     // crop marks stop short of the corner
constexpr double kMarkLengthMm = 3;

void drawCropMarks(Surface& s, QPointF at, QSizeF size)
{
    for (const double x : {at.x(), at.x() + size.width()}) {
        for (const double y : {at.y(), at.y() + size.height()}) {
            const double outX = x == at.x() ? -1 : 1;  // away from the label
            const double outY = y == at.y() ? -1 : 1;
            s.line(x + outX * kMarkGapMm, y, x + outX * (kMarkGapMm + kMarkLengthMm), y, Qt::black);
            s.line(x, y + outY * kMarkGapMm, x, y + outY * (kMarkGapMm + kMarkLengthMm), Qt::black);
        }
    }
}

}  // namespace

LabelArt withMarks(LabelArt art, QSizeF size, const std::optional<LabelOutline>& outline, const PrintOptions& options)
{
    if (!options.outlines && !options.cropMarks)
        return art;
    const LabelOutline shape = outline.value_or(LabelOutline());
    return [art = std::move(art), size, shape, options](Surface& s, QPointF at, const RowValues& row) {
        art(s, at, row);
        if (options.outlines)
            s.drawing(at.x(), at.y(), size.width(), size.height(), [&](QPainter& p, const QRectF& target) {
                const double perMm = target.width() / std::max(1e-9, size.width());
                p.setPen(QPen(kOutlineGrey, kOutlineMm * perMm));
                p.setBrush(Qt::NoBrush);
                p.setClipRect(target);
                p.drawPath(outlinePath(shape, target, perMm));
            });
        if (options.cropMarks)
            drawCropMarks(s, at, size);
    };
}

std::vector<int> sheetOrder(int sheets, const PrintOptions& options)
{
    std::vector<int> order;
    const int copies = std::clamp(int(options.copies), 1, kMaxCopies);
    order.reserve(std::size_t(sheets) * std::size_t(copies));
    for (int outer = 1; outer <= (options.collate ? copies : sheets); ++outer)
        for (int inner = 1; inner <= (options.collate ? sheets : copies); ++inner)
            order.push_back(options.collate ? inner : outer);
    return order;
}

}  // namespace plk
