#include "print/core/PrinterSurface.h"

#include <QFontMetricsF>
#include <cmath>

namespace plk {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kTwipsPerInch = 1440.0;

}  // namespace

PrinterSurface::PrinterSurface(QPainter& painter, QSizeF pageSize, QSizeF dotsPerInch)
    : m_painter(painter), m_pageMm(pageSize), m_dpi(dotsPerInch)
{
}

double PrinterSurface::unitsPerInch() const { return m_mode == ScaleMode::Twips ? kTwipsPerInch : kMmPerInch; }

double PrinterSurface::scaleWidth() const { return m_pageMm.width() / kMmPerInch * unitsPerInch(); }
double PrinterSurface::scaleHeight() const { return m_pageMm.height() / kMmPerInch * unitsPerInch(); }
int PrinterSurface::widthTwips() const { return int(std::lround(m_pageMm.width() / kMmPerInch * kTwipsPerInch)); }
int PrinterSurface::heightTwips() const { return int(std::lround(m_pageMm.height() / kMmPerInch * kTwipsPerInch)); }

QPointF PrinterSurface::toDevice(double x, double y) const
{
    const double perUnit = 1.0 / unitsPerInch();
    return {x * perUnit * m_dpi.width(), y * perUnit * m_dpi.height()};
}

void PrinterSurface::clear(const QColor& colour)
{
    m_painter.fillRect(QRectF(toDevice(0, 0), toDevice(scaleWidth(), scaleHeight())), colour);
}

void PrinterSurface::line(double x1, double y1, double x2, double y2, const QColor& colour)
{
    m_painter.setPen(QPen(colour, 0));
    m_painter.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void PrinterSurface::box(double x1, double y1, double x2, double y2, const QColor& colour, int drawStyle)
{
    // The printer's own line: one device dot wide.
    m_painter.setPen(QPen(colour, 0, penStyle(drawStyle)));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized());
}

void PrinterSurface::circle(double cx, double cy, double radius, const QColor& colour, bool filled)
{
    m_painter.setPen(QPen(colour, 0));
    m_painter.setBrush(filled ? QBrush(colour) : QBrush(Qt::NoBrush));
    const QPointF r = toDevice(radius, radius);
    m_painter.drawEllipse(toDevice(cx, cy), r.x(), r.y());
}

void PrinterSurface::picture(const QImage& image, double x, double y, double w, double h)
{
    if (image.isNull())
        return;
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_painter.drawImage(QRectF(toDevice(x, y), toDevice(x + w, y + h)), image);
}

void PrinterSurface::text(double x, double y, const QString& text, const QFont& font, const QColor& colour)
{
    // The painter sizes the font for its device, so the points stay points on paper.
    m_painter.setFont(font);
    m_painter.setPen(colour);
    const QFontMetricsF fm(m_painter.font(), m_painter.device());
    m_painter.drawText(toDevice(x, y) + QPointF(0, fm.ascent()), text);
}

}  // namespace plk
