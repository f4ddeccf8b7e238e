#include "print/core/PrinterSurface.h"

#include <utility>

namespace plk {

PrinterSurface::PrinterSurface(QPainter& painter, QSizeF pageSize, QSizeF dotsPerInch, TextForm texts)
    : PageSurface(pageSize),
      m_painter(painter),
      m_device(QTransform::fromScale(dotsPerInch.width() / kTwipsPerInch, dotsPerInch.height() / kTwipsPerInch)),
      m_texts(texts)
{
    m_painter.setWorldTransform(m_device);
    // A PDF would otherwise keep pictures as JPEG: thin lines and sharp edges of a
    // logo or a background would come out blurred and off colour.
    m_painter.setRenderHint(QPainter::LosslessImageRendering, true);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void PrinterSurface::mirror()
{
    m_mirror = mirrored();
    m_painter.setWorldTransform(m_mirror * m_correction * m_device);
}

void PrinterSurface::setCorrection(const QTransform& twips)
{
    // The sheet as drawn (mirrored or not) goes where the printer's calibration wants it.
    m_correction = twips;
    m_painter.setWorldTransform(m_mirror * m_correction * m_device);
}

void PrinterSurface::clear(const QColor& colour)
{
    m_painter.fillRect(QRectF(toTwips(0, 0), toTwips(scaleWidth(), scaleHeight())), colour);
}

void PrinterSurface::line(double x1, double y1, double x2, double y2, const QColor& colour)
{
    m_painter.setPen(linePen(colour));
    m_painter.drawLine(toTwips(x1, y1) + penMiddle(), toTwips(x2, y2) + penMiddle());
}

void PrinterSurface::box(double x1, double y1, double x2, double y2, const QColor& colour, int drawStyle)
{
    m_painter.setPen(linePen(colour, penStyle(drawStyle)));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(toTwips(x1, y1) + penMiddle(), toTwips(x2, y2) + penMiddle()).normalized());
}

void PrinterSurface::circle(double cx, double cy, double radius, const QColor& colour, bool filled)
{
    m_painter.setPen(linePen(colour));
    m_painter.setBrush(filled ? QBrush(colour) : QBrush(Qt::NoBrush));
    const QPointF r = toTwips(radius, radius);
    m_painter.drawEllipse(toTwips(cx, cy), r.x(), r.y());
}

void PrinterSurface::picture(const QImage& image, double x, double y, double w, double h)
{
    if (image.isNull())
        return;
    // The same picture object every time: a PDF file stores it once.
    m_painter.drawImage(toTwips(QRectF(x, y, w, h)), image);
}

void PrinterSurface::text(double x, double y, const QString& text, const QFont& font, const QColor& colour)
{
    drawTextInTwips(m_painter, toTwips(x, y), text, font, colour, m_texts);
}

void PrinterSurface::drawing(double x, double y, double w, double h, const Drawing& draw)
{
    m_painter.save();
    draw(m_painter, toTwips(QRectF(x, y, w, h)));
    m_painter.restore();
}

void PrinterSurface::setRotation(QPointF centre, double degrees)
{
    if (m_upright)
        m_painter.setWorldTransform(*std::exchange(m_upright, std::nullopt));
    if (degrees == 0)
        return;
    m_upright = m_painter.worldTransform();
    m_painter.setWorldTransform(turnAbout(toTwips(centre.x(), centre.y()), degrees) * *m_upright);
}

void PrinterSurface::clipTo(const QRectF& rect)
{
    if (rect.isEmpty())
        m_painter.setClipping(false);
    else
        m_painter.setClipRect(toTwips(rect));
}

}  // namespace plk
