#include "canvas/core/TwipsText.h"

#include <QFontMetricsF>
#include <QPainter>
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

void drawTextInTwips(QPainter& painter, QPointF topLeft, const QString& text, const QFont& font, const QColor& colour)
{
    const QFont sized = fontInTwips(font);
    painter.setFont(sized);
    painter.setPen(colour);
    // A font sized in pixels measures the same on every device.
    const QFontMetricsF fm(sized);
    painter.drawText(topLeft + QPointF(0, fm.ascent()), text);
}

}  // namespace plk
