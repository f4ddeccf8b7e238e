// Encoding a 100 x 60 mm gradient label as GIF: palette, dithering and compression.
#include "canvas/core/ImageSurface.h"
#include "export/core/GifWriter.h"
#include "gradient/core/ColorGradient.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

namespace {

QImage gradientLabel(int direction)
{
    plk::ColorGradient gradient;
    gradient.SetColor(0, plk::rgbColor(200, 30, 30));
    gradient.SetColor(5, plk::rgbColor(250, 240, 200));
    gradient.SetColor(10, plk::rgbColor(20, 60, 180));
    plk::ImageSurface surface = plk::ImageSurface::fromTwips(100 * plk::kTwipsPerMm, 60 * plk::kTwipsPerMm);
    surface.setScaleMode(plk::Surface::ScaleMode::Twips);
    gradient.PaintObject(surface, direction);
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
