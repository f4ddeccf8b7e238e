#pragma once
// What every surface that draws a page in twips shares, whatever its device (a
// painter's page, a PDF document of our own): the page's size in the scales a surface
// offers, its points in twips, and the pen of its lines. Lines are as wide as the canvas
// shows them at 100 % (one screen pixel, 1/96 inch) and, like the canvas's, start at
// their coordinate and run one line width right and down.

#include "base/core/Rounding.h"
#include "base/core/Surface.h"

#include <QPen>
#include <QRectF>
#include <QSizeF>
#include <QTransform>
#include <cmath>

namespace plk {

class PageSurface : public Surface {
public:
    /// The width of every line: one screen pixel.
    static constexpr double kLineTwips = kTwipsPerPixel;

    void setScaleMode(ScaleMode mode) override { m_mode = mode; }
    ScaleMode scaleMode() const override { return m_mode; }
    double scaleWidth() const override { return m_pageMm.width() / kMmPerInch * unitsPerInch(); }
    double scaleHeight() const override { return m_pageMm.height() / kMmPerInch * unitsPerInch(); }
    int widthTwips() const override { return clampTo<int>(std::round(m_pageMm.width() / kMmPerInch * kTwipsPerInch)); }
    int heightTwips() const override { return clampTo<int>(std::round(m_pageMm.height() / kMmPerInch * kTwipsPerInch)); }

protected:
    explicit PageSurface(QSizeF pageMm) : m_pageMm(pageMm) {}

    /// A point in the current scale, in twips.
    QPointF toTwips(double x, double y) const
    {
        const double k = kTwipsPerInch / unitsPerInch();
        return {x * k, y * k};
    }
    /// A rectangle in the current scale, in twips.
    QRectF toTwips(const QRectF& r) const { return {toTwips(r.left(), r.top()), toTwips(r.right(), r.bottom())}; }
    /// The pen of lines, boxes and circles.
    static QPen linePen(const QColor& colour, Qt::PenStyle style = Qt::SolidLine)
    {
        return QPen(colour, kLineTwips, style, Qt::SquareCap, Qt::MiterJoin);
    }
    /// Where the pen's middle goes for a line to start on its coordinate.
    static QPointF penMiddle() { return {kLineTwips / 2, kLineTwips / 2}; }
    /// Left and right exchanged across the page, in twips.
    QTransform mirrored() const { return QTransform(-1, 0, 0, 1, m_pageMm.width() / kMmPerInch * kTwipsPerInch, 0); }

private:
    static constexpr double kMmPerInch = 25.4;
    double unitsPerInch() const { return m_mode == ScaleMode::Twips ? kTwipsPerInch : kMmPerInch; }

    QSizeF m_pageMm;
    ScaleMode m_mode = ScaleMode::Millimetres;
};

}  // namespace plk
