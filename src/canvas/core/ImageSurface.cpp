#include "canvas/core/ImageSurface.h"

#include "base/core/Rounding.h"
#include "canvas/core/TwipsText.h"

#include <algorithm>
#include <cmath>

namespace plk {

namespace {

QSize withinLimit(QSize pixels)
{
    const QSize size = pixels.expandedTo(QSize(0, 0));
    return qint64(size.width()) * size.height() <= kMaxSurfacePixels ? size : QSize(0, 0);
}

}  // namespace

ImageSurface::ImageSurface(QSize pixels, double dotsPerInch)
    : m_image(withinLimit(pixels), QImage::Format_ARGB32_Premultiplied), m_twipsPerPixel(kTwipsPerInch / dotsPerInch)
{
    m_image.fill(Qt::white);
    pinResolution();
}

QSize ImageSurface::pixelsForTwips(double widthTwips, double heightTwips, double dotsPerInch)
{
    const double twipsPerPixel = kTwipsPerInch / dotsPerInch;
    return QSize(clampTo<int>(std::round(widthTwips / twipsPerPixel)), clampTo<int>(std::round(heightTwips / twipsPerPixel)));
}

qint64 pixelCount(QSizeF twips, double dotsPerInch)
{
    const QSize pixels = ImageSurface::pixelsForTwips(twips.width(), twips.height(), dotsPerInch).expandedTo(QSize(0, 0));
    return qint64(pixels.width()) * pixels.height();
}

double dotsPerInchWithin(QSizeF twips, double dotsPerInch, qint64 most)
{
    const qint64 pixels = pixelCount(twips, dotsPerInch);
    if (pixels <= most)
        return dotsPerInch;
    double within = std::floor(dotsPerInch * std::sqrt(double(most) / double(pixels)));
    while (within > 1 && pixelCount(twips, within) > most)
        within -= 1;
    return within;
}

ImageSurface ImageSurface::fromTwips(double widthTwips, double heightTwips, double dotsPerInch)
{
    return ImageSurface(pixelsForTwips(widthTwips, heightTwips, dotsPerInch), dotsPerInch);
}

double ImageSurface::pixelsPerUnit() const
{
    return m_mode == ScaleMode::Twips ? 1.0 / m_twipsPerPixel : kTwipsPerMm / m_twipsPerPixel;
}

double ImageSurface::scaleWidth() const { return m_image.width() / pixelsPerUnit(); }
double ImageSurface::scaleHeight() const { return m_image.height() / pixelsPerUnit(); }
int ImageSurface::widthTwips() const { return int(std::lround(m_image.width() * m_twipsPerPixel)); }
int ImageSurface::heightTwips() const { return int(std::lround(m_image.height() * m_twipsPerPixel)); }

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
    // The picture says its own resolution, so that a font size in points takes the
    // pixels it should and a saved file tells its size on paper.
    const int dotsPerMetre = int(std::lround(kTwipsPerInch / m_twipsPerPixel / 0.0254));
    m_image.setDotsPerMeterX(dotsPerMetre);
    m_image.setDotsPerMeterY(dotsPerMetre);
}

QPen ImageSurface::pen(const QColor& colour, Qt::PenStyle style) const
{
    const double width = kTwipsPerPixel / m_twipsPerPixel;
    return QPen(colour, width > 1 ? width : 0, style);
}

QPointF ImageSurface::penMiddle() const
{
    // Pixel centres sit half a pixel in, as a one-pixel pen on a picture box; a wider
    // pen's middle sits half its width in.
    const double half = std::max(1.0, kTwipsPerPixel / m_twipsPerPixel) / 2;
    return {half, half};
}

void ImageSurface::begin(QPainter& p) const { p.setTransform(m_rotation); }

void ImageSurface::setRotation(QPointF centre, double degrees)
{
    m_rotation = degrees == 0 ? QTransform() : turnAbout(toPixels(centre.x(), centre.y()), degrees);
}

void ImageSurface::clear(const QColor& colour) { m_image.fill(colour); }

void ImageSurface::line(double x1, double y1, double x2, double y2, const QColor& colour)
{
    if (m_image.isNull())
        return;
    QPainter p(&m_image);
    begin(p);
    p.setPen(pen(colour));
    p.drawLine(toPixels(x1, y1) + penMiddle(), toPixels(x2, y2) + penMiddle());
}

void ImageSurface::box(double x1, double y1, double x2, double y2, const QColor& colour, int drawStyle)
{
    if (m_image.isNull())
        return;
    QPainter p(&m_image);
    begin(p);
    p.setPen(pen(colour, penStyle(drawStyle)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(toPixels(x1, y1) + penMiddle(), toPixels(x2, y2) + penMiddle()).normalized());
}

void ImageSurface::circle(double cx, double cy, double radius, const QColor& colour, bool filled)
{
    if (m_image.isNull())
        return;
    QPainter p(&m_image);
    begin(p);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(pen(colour));
    p.setBrush(filled ? QBrush(colour) : QBrush(Qt::NoBrush));
    const double r = radius * pixelsPerUnit();
    p.drawEllipse(toPixels(cx, cy), r, r);
}

void ImageSurface::picture(const QImage& image, double x, double y, double w, double h)
{
    if (m_image.isNull() || image.isNull())
        return;
    QPainter p(&m_image);
    begin(p);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(QRectF(toPixels(x, y), toPixels(x + w, y + h)), image);
}

void ImageSurface::text(double x, double y, const QString& text, const QFont& font, const QColor& colour)
{
    if (m_image.isNull())
        return;
    QPainter p(&m_image);
    begin(p);
    if (onScreenGrid()) {
        // As the canvas shows it: the font in whole screen pixels.
        p.setFont(font);
        p.setPen(colour);
        const QFontMetricsF fm(font, &m_image);
        p.drawText(toPixels(x, y) + QPointF(0, fm.ascent()), text);
        return;
    }
    p.scale(1 / m_twipsPerPixel, 1 / m_twipsPerPixel);
    drawTextInTwips(p, toPixels(x, y) * m_twipsPerPixel, text, font, colour);
}

void ImageSurface::drawing(double x, double y, double w, double h, const Drawing& draw)
{
    if (m_image.isNull())
        return;
    QPainter p(&m_image);
    begin(p);
    draw(p, QRectF(toPixels(x, y), toPixels(x + w, y + h)));
}

}  // namespace plk
