#pragma once
// Colours are stored as signed 32-bit 0x00BBGGRR (red in the low byte). A value with
// the top bit set, 0x80000000 + n, names system colour n and stays symbolic; it is
// resolved to a real colour only when something is painted.

#include <QColor>
#include <cstdint>

namespace plk {

using OleColor = std::int32_t;

inline constexpr OleColor kSystemColorFlag = OleColor(0x80000000u);
inline constexpr OleColor kColorWindowBackground = OleColor(0x80000005u);
inline constexpr OleColor kColorWindowFrame = OleColor(0x80000006u);
inline constexpr OleColor kColorButtonText = OleColor(0x80000012u);

inline constexpr bool isSystemColor(OleColor c) { return c < 0; }

inline constexpr OleColor rgbColor(int red, int green, int blue)
{
    return OleColor(red + 256 * green + 65536 * blue);
}

/// The colour to paint with: RGB values as they are, system colours from the
/// desktop's palette.
QColor toQColor(OleColor colour);
/// The stored form of a picked colour.
OleColor fromQColor(const QColor& colour);

}  // namespace plk
