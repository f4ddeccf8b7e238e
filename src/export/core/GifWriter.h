#pragma once
// Writes a picture as a GIF file (one frame, one global palette) through giflib.

#include "export/core/ColorQuantizer.h"
#include "export/core/GdiStatus.h"

class QIODevice;

namespace plk {

class GifWriter {
public:
    explicit GifWriter(ColorQuantizer quantizer = ColorQuantizer()) : m_quantizer(quantizer) {}

    /// Encodes the picture into the open device.
    GdiStatus write(const QImage& picture, QIODevice& device) const;

private:
    ColorQuantizer m_quantizer;
};

}  // namespace plk
