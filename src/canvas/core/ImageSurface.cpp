#include "canvas/core/ImageSurface.h"

#include <cmath>

namespace plk {

ImageSurface::ImageSurface(QSize pixels)
    : m_image(pixels.expandedTo(QSize(0, 0)), QImage::Format_ARGB32_Premultiplied)
{
    m_image.fill(Qt::white);
    pinResolution();
}

ImageSurface ImageSurface::fromTwips(double widthTwips, double heightTwips)
{
    return ImageSurface(QSize(int(std::lround(widthTwips / kTwipsPerPixel)),
                              int(std::lround(heightTwips / kTwipsPerPixel))));
}

double ImageSurface::pixelsPerUnit() const
{
    return m_mode == ScaleMode::Twips ? 1.0 / kTwipsPerPixel : kTwipsPerMm / kTwipsPerPixel;
}

double ImageSurface::scaleWidth() const { return m_image.width() / pixelsPerUnit(); }
double ImageSurface::scaleHeight() const { return m_image.height() / pixelsPerUnit(); }

QPointF ImageSurface::toPixels(double x, double y) const
{
    const double k = pixelsPerUnit();
    return {x * k, y * k};
}

void ImageSurface::setImage(const QImage& image)
{
    m_image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    pinResolution();
}

void ImageSurface::pinResolution()
{
    // 96 dpi, so that a font size in points takes the same pixels as on screen.
    constexpr int dotsPerMetre = 3780;
    m_image.setDotsPerMeterX(dotsPerMetre);
    m_image.setDotsPerMeterY(dotsPerMetre);
}

void ImageSurface::clear(const QColor& colour) { m_image.fill(colour); }

void ImageSurface::line(double x1, double y1, double x2, double y2, const QColor& colour)
{
    if (m_image.isNull())
        return;
    QPainter p(&m_image);
    p.setPen(QPen(colour, 0));
    // Pixel centres sit half a pixel in, as a one-pixel pen on a picture box.
    const QPointF half(0.5, 0.5);
    p.drawLine(toPixels(x1, y1) + half, toPixels(x2, y2) + half);
}

void ImageSurface::box(double x1, double y1, double x2, double y2, const QColor& colour, int drawStyle)
{
    if (m_image.isNull())
        return;
    QPainter p(&m_image);
    p.setPen(QPen(colour, 0, penStyle(drawStyle)));
    p.setBrush(Qt::NoBrush);
    const QPointF half(0.5, 0.5);
    p.drawRect(QRectF(toPixels(x1, y1) + half, toPixels(x2, y2) + half).normalized());
}

void ImageSurface::circle(double cx, double cy, double radius, const QColor& colour, bool filled)
{
    if (m_image.isNull())
        return;
    QPainter p(&m_image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour, 0));
    p.setBrush(filled ? QBrush(colour) : QBrush(Qt::NoBrush));
    const double r = radius * pixelsPerUnit();
    p.drawEllipse(toPixels(cx, cy), r, r);
}

void ImageSurface::picture(const QImage& image, double x, double y, double w, double h)
{
    if (m_image.isNull() || image.isNull())
        return;
    QPainter p(&m_image);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(QRectF(toPixels(x, y), toPixels(x + w, y + h)), image);
}

void ImageSurface::text(double x, double y, const QString& text, const QFont& font, const QColor& colour)
{
    if (m_image.isNull())
        return;
    QPainter p(&m_image);
    QFont f(font);
    p.setFont(f);
    p.setPen(colour);
    const QFontMetricsF fm(f, &m_image);
    p.drawText(toPixels(x, y) + QPointF(0, fm.ascent()), text);
}

}  // namespace plk
