// Mail merge at the size of a large address list: reading a data file of 100,000
// rows (the most a merge takes) and filling the texts of a label from every row.
#include "merge/core/DataFile.h"
#include "merge/core/FieldMarkers.h"

#include <benchmark/benchmark.h>

namespace {

/// An address list as a spreadsheet writes it, with quoted values and line breaks.
QByteArray addressList(int rows)
{
    QByteArray csv = "\xEF\xBB\xBFPrénom;Nom;Adresse;CP;Ville\r\n";
    csv.reserve(rows * 80);
    for (int i = 0; i < rows; ++i) {
        const QByteArray n = QByteArray::number(i);
        csv += "Amélie;Bérard-" + n + ";\"Résidence \"\"Les Tilleuls\"\"\r\n" + n + ", rue de l'Église\";" +
               QByteArray::number(10000 + i % 90000) + ";Saint-Étienne\r\n";
    }
    return csv;
}

void readList(benchmark::State& state)
{
    const QByteArray csv = addressList(int(state.range(0)));
    for (auto _ : state) {
        const plk::DataFileResult r = plk::readDataBytes(csv, QStringLiteral("adresses.csv"));
        if (!r.ok() || r.table.rowCount() != state.range(0))
            state.SkipWithError("not read");
        benchmark::DoNotOptimize(r.table.rowCount());
    }
    state.SetBytesProcessed(state.iterations() * csv.size());
}

void mergeEveryRow(benchmark::State& state)
{
    const plk::DataTable table = plk::readDataBytes(addressList(int(state.range(0))), QStringLiteral("a.csv")).table;
    const QStringList texts{QStringLiteral("«Prénom» «Nom»"), QStringLiteral("«Adresse»"), QStringLiteral("«CP» «Ville»")};
    for (auto _ : state) {
        for (int row = 0; row < table.rowCount(); ++row) {
            for (const QString& text : texts)
                benchmark::DoNotOptimize(plk::mergeText(text, table, row));
        }
    }
    state.SetItemsProcessed(state.iterations() * table.rowCount());
}

}  // namespace

BENCHMARK(readList)->ArgName("rows")->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(mergeEveryRow)->ArgName("rows")->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
