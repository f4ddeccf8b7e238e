#pragma once
// Reduces a true-colour picture to at most 256 colours for a palette format.
// A picture that already has 256 colours or fewer keeps them exactly. Others get a
// median-cut palette (boxes of colour space split where they hold the most error)
// and, by default, Floyd-Steinberg error diffusion, so that gradients stay smooth
// instead of breaking into bands.

#include <QImage>
#include <QRgb>

#include <cstdint>
#include <vector>

namespace plk {

struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;         // at most 256 opaque colours
    std::vector<std::uint8_t> pixels;  // row by row, one palette index each
};

class ColorQuantizer {
public:
    enum class Dithering { None, FloydSteinberg };

    explicit ColorQuantizer(Dithering dithering = Dithering::FloydSteinberg) : m_dithering(dithering) {}

    /// The picture in at most 256 colours; transparency is dropped.
    IndexedPicture quantize(const QImage& picture) const;

private:
    Dithering m_dithering;
};

}  // namespace plk
