#pragma once
// The picture encoders this program can write with, each with the file patterns it
// claims, in the order the export has always listed them: BMP, JPEG, GIF, TIFF, PNG.
// BMP, JPEG, TIFF and PNG go through Qt's image writers (TIFF needs the image-formats
// plugin and is left out when it is missing); GIF goes through giflib.

#include "export/core/GdiStatus.h"

#include <QImage>
#include <QString>

#include <optional>
#include <vector>

class QIODevice;

namespace plk {

enum class EncoderFormat { Bmp, Jpeg, Gif, Tiff, Png };

struct ImageEncoder {
    EncoderFormat format;
    QString patterns;  // e.g. "*.JPG;*.JPEG;*.JPE;*.JFIF"
};

/// The encoders available on this machine.
std::vector<ImageEncoder> installedEncoders();

/// Writes the opaque picture into the open device; the quality (0..100) is used by
/// the JPEG encoder and ignored by the others.
GdiStatus encodeImage(EncoderFormat format, const QImage& picture, QIODevice& device, std::optional<int> quality);

}  // namespace plk
