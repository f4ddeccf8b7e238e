#include "import/core/GlabelsPictures.h"

#include "base/core/FileWriter.h"
#include "base/core/RegularFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>

namespace plk {

namespace {

constexpr quint32 kPixdataMagic = 0x47646b50;  // "GdkP"
constexpr qint64 kMaxPixdataPixels = 20'000'000;
constexpr qint64 kMaxPictureBytes = 64LL << 20;

}  // namespace

std::optional<QImage> decodePixdata(const QByteArray& data)
{
    constexpr int kHeader = 24;
    if (data.size() < kHeader)
        return std::nullopt;
    const auto word = [&data](int i) { return qFromBigEndian<quint32>(data.constData() + 4 * i); };
    const quint32 type = word(2), rowStride = word(3), width = word(4), height = word(5);
    const int bytesPerPixel = (type & 0xFF) == 2 ? 4 : (type & 0xFF) == 1 ? 3 : 0;
    const quint32 encoding = type & 0x0F000000;
    if (word(0) != kPixdataMagic || bytesPerPixel == 0 || (type & 0x0F0000) != 0x010000 || width == 0 ||
        height == 0 || qint64(width) * height > kMaxPixdataPixels)
        return std::nullopt;
    QImage image(int(width), int(height), bytesPerPixel == 4 ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const auto* in = reinterpret_cast<const uchar*>(data.constData()) + kHeader;
    const auto* end = reinterpret_cast<const uchar*>(data.constData()) + data.size();
    const qint64 rowBytes = qint64(width) * bytesPerPixel;
    if (encoding == 0x01000000) {  // raw rows
        if (rowStride < rowBytes || end - in < qint64(rowStride) * (height - 1) + rowBytes)
            return std::nullopt;
        for (quint32 y = 0; y < height; ++y)
            std::memcpy(image.scanLine(int(y)), in + qint64(y) * rowStride, std::size_t(rowBytes));
        return image;
    }
    if (encoding != 0x02000000)
        return std::nullopt;
    // Run-length encoded: a count byte, then one pixel repeated (top bit set) or that
    // many pixels; the pixels run on from one row to the next.
    const qint64 total = qint64(width) * height;
    for (qint64 done = 0; done < total;) {
        if (in >= end)
            return std::nullopt;
        const int n = *in & 0x7F;
        const bool repeat = *in++ & 0x80;
        if (n == 0 || done + n > total || end - in < (repeat ? 1 : n) * bytesPerPixel)
            return std::nullopt;
        for (int k = 0; k < n; ++k, ++done) {
            uchar* to = image.scanLine(int(done / width)) + (done % width) * bytesPerPixel;
            std::memcpy(to, in, std::size_t(bytesPerPixel));
            if (!repeat)
                in += bytesPerPixel;
        }
        if (repeat)
            in += bytesPerPixel;
    }
    return image;
}

QString writeEmbeddedPicture(const GlabelsPicture& picture, const QString& folder, const QString& prefix,
                             QString* reason)
{
    QByteArray bytes = picture.data;
    QString extension = picture.format;
    if (picture.format == QLatin1String("pixdata")) {
        // A Pixdata element may also hold a plain PNG or JPEG.
        const QImage image = decodePixdata(bytes).value_or(QImage::fromData(bytes));
        if (image.isNull()) {
            *reason = QStringLiteral("image intégrée « %1 » illisible").arg(picture.name);
            return QString();
        }
        bytes.clear();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        extension = QStringLiteral("png");
    }
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_.-]+"));
    QString stem = QFileInfo(picture.name).completeBaseName().replace(unsafe, QStringLiteral("_"));
    if (stem.isEmpty())
        stem = QStringLiteral("image");
    const QDir dir(folder);
    for (int n = 1; n < 100; ++n) {
        const QString path = dir.filePath(QStringLiteral("%1-%2%3.%4")
                                              .arg(prefix, stem, n == 1 ? QString() : QStringLiteral("-%1").arg(n),
                                                   extension));
        const QFileInfo info(path);
        if (info.exists() || info.isSymLink()) {
            if (isRegularFile(path) && readRegularFile(path, kMaxPictureBytes) == bytes)
                return path;
            continue;
        }
        const QString why = FileWriter().write(path, bytes);
        if (why.isEmpty())
            return path;
        *reason = QStringLiteral("image « %1 » non écrite (%2)").arg(QDir::toNativeSeparators(path), why);
        return QString();
    }
    *reason = QStringLiteral("image « %1 » non écrite : trop de fichiers du même nom").arg(picture.name);
    return QString();
}

}  // namespace plk
