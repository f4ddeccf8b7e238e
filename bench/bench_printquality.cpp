// Print-quality output: ten A4 sheets of forty gradient labels with a logo and a text
// printed to PDF at 300 dpi, and an 85 x 55 mm card exported at 600 dpi.
#include "BenchMain.h"
#include "canvas/core/Etiquette.h"
#include "export/core/TabExport.h"
#include "export/core/cGdiPlus.h"
#include "print/core/PrintJob.h"

#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

/// A 200 x 200 logo: a blue disc with a ring, on a transparent square.
QString writeLogo(const QTemporaryDir& dir)
{
    QImage logo(200, 200, QImage::Format_ARGB32_Premultiplied);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(30, 60, 180));
    p.setPen(QPen(QColor(240, 200, 40), 12));
    p.drawEllipse(QRectF(10, 10, 180, 180));
    p.end();
    const QString path = dir.filePath(QStringLiteral("logo.png"));
    logo.save(path);
    return path;
}

/// A card of the given size: a red, cream and blue diagonal gradient, the logo in
/// the top-left corner and a name beside it.
void makeCard(plk::Etiquette& tab, double width, double height, const QString& logo)
{
    tab.NewProjet(QStringLiteral("Carte"), width, height, plk::rgbColor(255, 255, 255), 0, false, false, true);
    tab.pctDegrade(0, plk::rgbColor(200, 30, 30), plk::rgbColor(250, 240, 200), plk::rgbColor(20, 60, 180));
    tab.NewLogo(2, 2);
    tab.Image(1, logo);
    tab.SizeLogo(1, height - 8, height - 8);
    tab.NewLabel(4, height - 2);
    tab.Caption(1, QStringLiteral("Jean Dupont"));
    tab.FontStyle(1, QStringLiteral("Tahoma"), 10, true, false, false, false);
}

void sheetsToPdf(benchmark::State& state)
{
    const QTemporaryDir dir;
    plk::Etiquette tab;
    makeCard(tab, 48, 25, writeLogo(dir));
    tab.setResolution(-4);  // "300 Dpi"
    // Four across and ten down on each of ten sheets.
    const plk::LayoutValues values{8, 13, 2, 2, 4, 10, 10, 0, 0};
    const QString pdf = dir.filePath(QStringLiteral("planches.pdf"));
    state.counters["MB"] = plk::bench::timePdfSheets(state, tab, values, pdf) / 1e6;
}

void cardAt600Dpi(benchmark::State& state)
{
    const QTemporaryDir dir;
    plk::Etiquette tab;
    makeCard(tab, 85, 55, writeLogo(dir));
    plk::cGdiPlus writer;
    const QString png = dir.filePath(QStringLiteral("carte.png"));
    for (auto _ : state) {
        if (!plk::exportTab(writer, tab, png, plk::ExportSettings{600, 80, false}))
            state.SkipWithError("export failed");
    }
    state.counters["MB"] = double(QFileInfo(png).size()) / 1e6;
}

}  // namespace

BENCHMARK(sheetsToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(cardAt600Dpi)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return plk::bench::runPaintingBenchmarks(argc, argv); }
