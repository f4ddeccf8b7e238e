// Encoding a 100 x 60 mm gradient label as GIF: palette, dithering and compression.
#include "BenchCard.h"
#include "export/core/GifWriter.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

namespace {

QImage gradientLabel(int direction)
{
    plk::ImageSurface surface = plk::bench::cardSurface();
    plk::bench::cardGradient().PaintObject(surface, direction);
    return surface.image();
}

void encodeGif(benchmark::State& state)
{
    const QImage picture = gradientLabel(int(state.range(0)));
    const plk::GifWriter writer;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (writer.write(picture, buffer) != plk::GdiStatus::Ok)
            state.SkipWithError("GIF encoding failed");
        benchmark::DoNotOptimize(buffer.data().size());
    }
}

}  // namespace

BENCHMARK(encodeGif)->ArgName("direction")->Arg(7)->Arg(8)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
