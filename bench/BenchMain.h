#pragma once
// The main of the benchmarks that paint: texts need fonts, and fonts a GUI
// application; no screen is needed.

#include "app/core/Fonts.h"
#include "canvas/core/Etiquette.h"
#include "print/core/PrintJob.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace plk::bench {

/// Prints the tab's sheets to `pdf` once per iteration; the size of the file written, in bytes.
inline double timePdfSheets(benchmark::State& state, Etiquette& tab, const LayoutValues& values, const QString& pdf)
{
    for (auto _ : state) {
        if (!printSheetsToPdf(tab, values, pdf).isEmpty())
            state.SkipWithError("printing failed");
    }
    return double(QFileInfo(pdf).size());
}

/// Runs the benchmarks in an application of the kind given: a QApplication for those
/// that paint widgets.
template <class Application = QGuiApplication>
int runPaintingBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    registerProgramFonts();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace plk::bench
