// Painting a gradient background of a 100 x 60 mm card, as the canvas does on
// every background change.
#include "canvas/core/ImageSurface.h"
#include "gradient/core/ColorGradient.h"

#include <benchmark/benchmark.h>

namespace {

void paintCard(benchmark::State& state)
{
    const int direction = int(state.range(0));
    plk::ColorGradient gradient;
    gradient.SetColor(0, plk::rgbColor(200, 30, 30));
    gradient.SetColor(5, plk::rgbColor(250, 240, 200));
    gradient.SetColor(10, plk::rgbColor(20, 60, 180));
    plk::ImageSurface surface = plk::ImageSurface::fromTwips(100 * plk::kTwipsPerMm, 60 * plk::kTwipsPerMm);
    surface.setScaleMode(plk::Surface::ScaleMode::Twips);
    for (auto _ : state) {
        gradient.PaintObject(surface, direction);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}

}  // namespace

BENCHMARK(paintCard)->ArgName("direction")->Arg(7)->Arg(1)->Arg(0)->Arg(8)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
