// Painting a gradient background of a 100 x 60 mm card, as the canvas does on
// every background change.
#include "BenchCard.h"

#include <benchmark/benchmark.h>

namespace {

void paintCard(benchmark::State& state)
{
    const int direction = int(state.range(0));
    const plk::ColorGradient gradient = plk::bench::cardGradient();
    plk::ImageSurface surface = plk::bench::cardSurface();
    for (auto _ : state) {
        gradient.PaintObject(surface, direction);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}

}  // namespace

BENCHMARK(paintCard)->ArgName("direction")->Arg(7)->Arg(1)->Arg(0)->Arg(8)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
