#include "canvas/core/OutlineGuide.h"

#include <algorithm>

namespace plk {

QPainterPath outlinePath(const LabelOutline& outline, const QRectF& label, double perMm)
{
    QPainterPath path;
    switch (outline.shape) {
    case LabelOutline::Shape::Rectangle: {
        const double r = outline.cornerRadius * perMm;
        path.addRoundedRect(label, r, r);
        break;
    }
    case LabelOutline::Shape::Ellipse: path.addEllipse(label); break;
    case LabelOutline::Shape::Disc: {
        // A disc clipped to a card's height keeps its round edge at the sides.
        const double d = std::max(label.width(), label.height());
        path.addEllipse(QRectF(QPointF(), QSizeF(d, d)).translated(label.center() - QPointF(d / 2, d / 2)));
        const double hole = outline.holeRadius * perMm;
        path.addEllipse(label.center(), hole, hole);
        break;
    }
    }
    return path;
}

}  // namespace plk
