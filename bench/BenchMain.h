#pragma once
// The main of the benchmarks that paint: texts need fonts, and fonts a GUI
// application; no screen is needed.

#include "app/core/Fonts.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace plk::bench {

inline int runPaintingBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    registerProgramFonts();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace plk::bench
