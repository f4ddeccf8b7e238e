#pragma once
// The card both picture benchmarks work on: 100 x 60 mm with a red, cream and blue
// three-colour gradient.

#include "canvas/core/ImageSurface.h"
#include "gradient/core/ColorGradient.h"

namespace plk::bench {

inline ColorGradient cardGradient()
{
    ColorGradient gradient;
    gradient.SetColor(0, rgbColor(200, 30, 30));
    gradient.SetColor(5, rgbColor(250, 240, 200));
    gradient.SetColor(10, rgbColor(20, 60, 180));
    return gradient;
}

inline ImageSurface cardSurface()
{
    ImageSurface surface = ImageSurface::fromTwips(100 * kTwipsPerMm, 60 * kTwipsPerMm);
    surface.setScaleMode(Surface::ScaleMode::Twips);
    return surface;
}

}  // namespace plk::bench
