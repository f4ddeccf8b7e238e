// One undoable step on a tab of 1000 objects: the change gathered into a step, then
// taken back and made again, as Annuler and Rétablir do.
#include "document/core/Project.h"
#include "document/core/ProjectHistory.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// A 200 x 200 mm tab holding 1000 text objects.
plk::Etiquette& fillLargeTab(plk::Project& project)
{
    plk::Etiquette& tab = project.tab(1);
    tab.NewProjet(QStringLiteral("Grande"), 200, 200, 0xFFFFFF, 0, false, false, true);
    for (int i = 0; i < 1000; ++i)
        tab.NewLabel(i % 190, (i * 7) % 190);
    return tab;
}

void stepOnLargeTab(benchmark::State& state)
{
    plk::Project project(QStringLiteral("Grande"));
    plk::Etiquette& tab = fillLargeTab(project);
    plk::ProjectHistory history(project, [] { return 1; }, [](int) {});
    history.reset();
    double left = 10;
    for (auto _ : state) {
        tab.objectClick(plk::Etiquette::ObjectKind::Label, 500);
        tab.PositionObjet(500, 20, left);
        left = left == 10 ? 30 : 10;
        history.checkpoint();
    }
    state.counters["steps"] = history.stack().count();
}

void undoRedoOnLargeTab(benchmark::State& state)
{
    plk::Project project(QStringLiteral("Grande"));
    plk::Etiquette& tab = fillLargeTab(project);
    plk::ProjectHistory history(project, [] { return 1; }, [](int) {});
    history.reset();
    tab.objectClick(plk::Etiquette::ObjectKind::Label, 500);
    tab.PositionObjet(500, 20, 40);
    history.checkpoint();
    for (auto _ : state) {
        history.undo();
        history.redo();
    }
}

}  // namespace

BENCHMARK(stepOnLargeTab)->Unit(benchmark::kMillisecond);
BENCHMARK(undoRedoOnLargeTab)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);  // the tabs measure their texts with fonts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
