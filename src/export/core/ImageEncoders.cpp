#include "export/core/ImageEncoders.h"

#include "export/core/GifWriter.h"

#include <QImageWriter>

namespace plk {

namespace {

const char* qtFormat(EncoderFormat format)
{
    switch (format) {
    case EncoderFormat::Bmp: return "bmp";
    case EncoderFormat::Jpeg: return "jpeg";
    case EncoderFormat::Tiff: return "tiff";
    case EncoderFormat::Png: return "png";
    case EncoderFormat::Gif: break;
    }
    return nullptr;
}

GdiStatus statusOf(QImageWriter::ImageWriterError error)
{
    switch (error) {
    case QImageWriter::DeviceError: return GdiStatus::Win32Error;
    case QImageWriter::UnsupportedFormatError: return GdiStatus::UnknownImageFormat;
    case QImageWriter::InvalidImageError: return GdiStatus::InvalidParameter;
    case QImageWriter::UnknownError: break;
    }
    return GdiStatus::GenericError;
}

}  // namespace

std::vector<ImageEncoder> installedEncoders()
{
    const std::vector<ImageEncoder> all = {
        {EncoderFormat::Bmp, QStringLiteral("*.BMP;*.DIB;*.RLE")},
        {EncoderFormat::Jpeg, QStringLiteral("*.JPG;*.JPEG;*.JPE;*.JFIF")},
        {EncoderFormat::Gif, QStringLiteral("*.GIF")},
        {EncoderFormat::Tiff, QStringLiteral("*.TIF;*.TIFF")},
        {EncoderFormat::Png, QStringLiteral("*.PNG")},
    };
    const QList<QByteArray> qtFormats = QImageWriter::supportedImageFormats();
    std::vector<ImageEncoder> installed;
    for (const ImageEncoder& encoder : all) {
        const char* name = qtFormat(encoder.format);
        if (!name || qtFormats.contains(QByteArray(name)))
            installed.push_back(encoder);
    }
    return installed;
}

GdiStatus encodeImage(EncoderFormat format, const QImage& picture, QIODevice& device, std::optional<int> quality)
{
    if (format == EncoderFormat::Gif)
        return GifWriter().write(picture, device);

    QImageWriter writer(&device, qtFormat(format));
    if (format == EncoderFormat::Jpeg && quality)
        writer.setQuality(*quality);
    if (writer.write(picture))
        return GdiStatus::Ok;
    return statusOf(writer.error());
}

}  // namespace plk
