#pragma once
// A painter of multi-colour gradients. Eleven colour stops sit at 0 %, 10 % ... 100 %
// of the gradient's length; the caller sets some of them and the others are blended
// from their set neighbours. PaintObject fills a whole surface in one of nine
// directions: eight linear ones and a radial one.
//
// Directions (stop 0 → stop 10):
//   7 left → right        3 right → left
//   1 top → bottom        5 bottom → top
//   0 top-left → bottom-right, lines leaning "/"
//   4 bottom-right → top-left, lines leaning "/"
//   6 bottom-left → top-right, lines leaning "\"
//   2 top-right → bottom-left, lines leaning "\"
//   8 radial, stop 0 at the centre, stop 10 at the corners
// Any other direction paints nothing.

#include "base/core/Colors.h"

#include <array>
#include <cstdint>

namespace plk {

class Surface;

class ColorGradient {
public:
    static constexpr int kStopCount = 11;

    /// Black at stop 0, white at stop 10, the grey ramp between.
    ColorGradient();

    /// Sets stop ColorIndex (0..10) to an RGB colour; a negative colour (a system
    /// colour, say) releases the stop as UnSetColor does. Other indices are ignored.
    void SetColor(std::int16_t ColorIndex, OleColor ColorValue);
    /// SetColor with the colour made of three channels, each held to 0..255.
    void SetColorRGB(std::int16_t ColorIndex, std::int16_t red, std::int16_t Green, std::int16_t Blue);
    /// Releases stop 1..9: its colour is blended from its neighbours again. The two
    /// end stops cannot be released; other indices are ignored.
    void UnSetColor(std::int16_t ColorIndex);
    /// The colour of stop 0..10, set or blended; 0 for any other index.
    OleColor GetColor(std::int16_t ColorIndex) const;
    /// Whether the caller set stop ColorIndex (rather than it being blended).
    bool isSet(std::int16_t ColorIndex) const;

    /// The gradient's colour at a percentage of its length (held to 0..100).
    OleColor ColorAt(float percent) const;

    /// Fills the whole surface, whose scale the caller has set to twips.
    void PaintObject(Surface& target, int direction) const;

private:
    struct GradientStop {
        OleColor colour = 0;
        bool set = false;
    };

    void CalcStops();
    void PaintLinear(Surface& target, int direction) const;
    void PaintRadial(Surface& target) const;

    std::array<GradientStop, kStopCount> m_stops;
};

}  // namespace plk
