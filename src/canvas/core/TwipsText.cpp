#include "canvas/core/TwipsText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace plk {

QFont fontInTwips(const QFont& font)
{
    QFont sized(font);
    if (font.pointSizeF() > 0)
        sized.setPixelSize(std::max(1, int(std::lround(font.pointSizeF() * kTwipsPerPoint))));
    return sized;
}

void drawTextInTwips(QPainter& painter, QPointF topLeft, const QString& text, const QFont& font, const QColor& colour,
                     TextForm form)
{
    const QFont sized = fontInTwips(font);
    // A font sized in pixels measures the same on every device.
    const QPointF baseline = topLeft + QPointF(0, QFontMetricsF(sized).ascent());
    painter.setFont(sized);
    if (form == TextForm::Outlines) {
        QPainterPath outlines;
        outlines.addText(baseline, sized, text);
        painter.fillPath(outlines, colour);
        // The words stay in the file, unseen, for finding and copying them.
        painter.setPen(Qt::transparent);
    } else {
        painter.setPen(colour);
    }
    painter.drawText(baseline, text);
}

}  // namespace plk
