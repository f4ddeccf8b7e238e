// A 200 x 200 mm gradient tab in its view at 400 %: repainting what the window shows
// (the zoomed background is kept between paints), and repainting after the background
// changed, when the background is painted afresh at the zoomed resolution.
#include "canvas/core/Etiquette.h"
#include "canvas/ui/EtiquetteView.h"
#include "BenchMain.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

struct ZoomedTab {
    plk::Etiquette tab;
    plk::EtiquetteView view{tab};
    QImage window{1280, 900, QImage::Format_ARGB32_Premultiplied};

    explicit ZoomedTab(int direction)
    {
        tab.NewProjet(QStringLiteral("Affiche"), 200, 200, 0xFFFFFF, 0, false, false, true);
        tab.pctDegrade(direction, plk::rgbColor(200, 30, 30), plk::rgbColor(250, 240, 200), plk::rgbColor(20, 60, 180));
        for (int i = 0; i < 20; ++i)
            tab.NewLabel(10 + i * 9, 10 + i * 5);
        view.resize(window.size());
        view.setZoom(400);
    }
    void repaint()
    {
        view.render(&window);
        benchmark::DoNotOptimize(window.constBits());
    }
};

void repaintAt400(benchmark::State& state)
{
    ZoomedTab z(int(state.range(0)));
    z.repaint();
    for (auto _ : state)
        z.repaint();
}

void newBackgroundAt400(benchmark::State& state)
{
    ZoomedTab z(int(state.range(0)));
    bool swap = false;
    for (auto _ : state) {
        swap = !swap;
        z.tab.pctDegrade(int(state.range(0)), plk::rgbColor(200, 30, swap ? 30 : 40), plk::rgbColor(250, 240, 200),
                         plk::rgbColor(20, 60, 180));
        z.repaint();
    }
}

}  // namespace

BENCHMARK(repaintAt400)->ArgName("direction")->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(newBackgroundAt400)->ArgName("direction")->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return plk::bench::runPaintingBenchmarks<QApplication>(argc, argv); }
