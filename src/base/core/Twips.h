#pragma once
// Geometry of the widgets is kept in twips (1440 per inch) and turned into logical
// pixels only where a Qt widget is placed or painted: 15 twips per pixel at 96 dpi.

#include "base/core/Rounding.h"
#include "base/core/Surface.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace plk {

inline int twipsToPixels(double twips) { return clampTo<int>(std::round(twips / kTwipsPerPixel)); }
inline constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect twipsToPixels(const QRect& twips)
{
    return QRect(twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
                 twipsToPixels(twips.height()));
}

inline QSize twipsToPixels(const QSize& twips)
{
    return QSize(twipsToPixels(twips.width()), twipsToPixels(twips.height()));
}

inline QPoint pixelsToTwips(const QPoint& pixels)
{
    return QPoint(pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y()));
}

}  // namespace plk
