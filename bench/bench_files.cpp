// Opening and saving big projects: 100 tabs of 100 texts, 100 tabs of 50 logos showing
// one 1000-pixel picture, and a legacy project of 1000 texts. The "peak_MB" counter is
// the most memory the program held up to the end of the benchmark.
#include "BenchMain.h"
#include "BenchProjects.h"

#include "document/core/LegacyImport.h"
#include "document/core/ProjectFile.h"

namespace {

using plk::bench::peakMegabytes;

const plk::RegionalFormat kFormat = plk::RegionalFormat::forLocale(QStringLiteral("fr_FR.UTF-8"));

/// Times reading the project file, and notes the most memory held.
void timeOpening(benchmark::State& state, const QString& path)
{
    for (auto _ : state) {
        plk::Project p;
        if (!plk::readProjectFile(path, p, kFormat).ok())
            state.SkipWithError("the project did not read");
        benchmark::DoNotOptimize(p.tabCount());
    }
    state.counters["peak_MB"] = peakMegabytes();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(bytes);
}

void openTexts(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("textes.plk");
    {
        plk::Project p;
        plk::bench::fillWithTexts(p, 100, 100);
        plk::writeProjectFile(path, p, kFormat);
    }
    timeOpening(state, path);
}

void saveTexts(benchmark::State& state)
{
    QTemporaryDir dir;
    plk::Project p;
    plk::bench::fillWithTexts(p, 100, 100);
    for (auto _ : state) {
        if (!plk::writeProjectFile(dir.filePath("textes.plk"), p, kFormat).isEmpty())
            state.SkipWithError("the project was not written");
    }
    state.counters["peak_MB"] = peakMegabytes();
}

void openSharedLogos(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath("photo.png");
    plk::bench::detailedPicture().save(picture);
    QByteArray file;
    for (int tab = 1; tab <= 100; ++tab) {
        file += "ONGLET|Onglet " + QByteArray::number(tab) + "\r\nPROJET|A|85|54|255|0|Faux|Faux|Vrai|Faux|Faux\r\n";
        for (int i = 0; i < 50; ++i)
            file += "LOGO|" + picture.toUtf8() + "|" + QByteArray::number(1 + i % 40) + "|" +
                    QByteArray::number(1 + i % 60) + "|20|20\r\n";
        file += "FOND|0\r\nPRINT|0|0|0|0|1|0|0|0|0|1|1\r\n";
    }
    const QString path = dir.filePath("logos.plk");
    writeFile(path, file);
    timeOpening(state, path);
}

void importLegacy(benchmark::State& state)
{
    QByteArray file = "[FORMAT]\r\nLongueur=4820\r\nHauteur=3062\r\n[LABEL]\r\nNombre=1000\r\n";
    for (int n = 1; n <= 1000; ++n)
        file += "[LABEL " + QByteArray::number(n) + "]\r\nTop=" + QByteArray::number(57 * (1 + n % 40)) +
                "\r\nLeft=" + QByteArray::number(57 * (1 + n % 70)) + "\r\nCaption=Texte " + QByteArray::number(n) +
                "\r\nFont=Tahoma\r\nFontSize=8\r\nFontBold=Faux\r\nFontItalic=Faux\r\nFontUnderline=Faux\r\n"
                "FontStrikethru=Faux\r\nForeColor=0\r\n";
    file += "[LOGO]\r\nNombre=0\r\n[FOND]\r\nNumero=1\r\nOption=2\r\nColor1=255\r\nColor2=65280\r\nColor3=16711680\r\n";
    QTemporaryDir dir;
    const QString path = dir.filePath("Ancien.prj");
    writeFile(path, file);
    for (auto _ : state) {
        plk::Project p;
        if (!plk::importLegacyProject(path, QStringLiteral("Ancien.prj"), p, kFormat).ok())
            state.SkipWithError("the legacy project did not import");
        benchmark::DoNotOptimize(p.tab(1).IDlabel());
    }
    state.counters["peak_MB"] = peakMegabytes();
}

}  // namespace

BENCHMARK(openTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(saveTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(openSharedLogos)->Unit(benchmark::kMillisecond);
BENCHMARK(importLegacy)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return plk::bench::runPaintingBenchmarks(argc, argv); }
