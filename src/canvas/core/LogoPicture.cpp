#include "canvas/core/LogoPicture.h"

#include "base/core/RegularFile.h"
#include "base/core/Surface.h"
#include "canvas/core/PictureCache.h"

#include <QPainter>
#include <QPainterPath>

namespace plk {

namespace {

QImage drawPlaceholder()
{
    // A framed landscape: sky, sun and two hills, the usual sign for "a picture goes here".
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x4A, 0x5A, 0x6E), 1.5));
    p.setBrush(QColor(0xDD, 0xEE, 0xFB));
    p.drawRoundedRect(QRectF(1.75, 4.75, 28.5, 22.5), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF5, 0xB9, 0x2E));
    p.drawEllipse(QPointF(22, 11), 3, 3);
    QPainterPath hills;
    hills.moveTo(3, 26);
    hills.lineTo(11, 15);
    hills.lineTo(17, 22);
    hills.lineTo(21, 18);
    hills.lineTo(29, 26);
    hills.closeSubpath();
    p.setBrush(QColor(0x4C, 0x9A, 0x5B));
    p.drawPath(hills);
    return image;
}

}  // namespace

QImage placeholderLogoPicture()
{
    // Drawn once; every logo without a picture file shares these pixels.
    static const QImage placeholder = drawPlaceholder();
    return placeholder;
}

bool pictureFileExists(const QString& path) { return isRegularFile(path); }

std::optional<QImage> loadPictureFile(const QString& path, QSizeF drawnMm)
{
    PictureCache::Result r = PictureCache::shared().load(path, drawnMm);
    if (r.outcome != PictureCache::Outcome::Picture)
        return std::nullopt;
    return std::move(r.picture);
}

QSizeF naturalSizeMm(const QImage& picture)
{
    // A picture kept reduced still has the size of the file's picture.
    const QSizeF own = picture.deviceIndependentSize();
    return {own.width() * kTwipsPerPixel / kTwipsPerMm, own.height() * kTwipsPerPixel / kTwipsPerMm};
}

}  // namespace plk
