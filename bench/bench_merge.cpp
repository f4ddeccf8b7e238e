// Mail merge at the size of a large address list: reading a data file of 100,000
// rows (the most a merge takes), filling the texts of a label from every row, and
// printing 10,000 and 100,000 addresses on sheets of 3 x 8 labels to a PDF file
// ("peak_rss_mb" is the process's peak resident memory).
//
// 100,000 rows (4,167 sheets): goal at most 2.5 s of CPU and 80 MB. With glibc's own
// thresholds ("tuned:0", run first) Qt's PDF writer maps and unmaps two 16 MiB
// buffers a page; the programs keep them for reuse ("tuned:1", as both mains do).
// plakatorium-batch sheets of the same list, side by side on the build machine while
// other builds shared its two cores (load about 7, so both CPU times are inflated):
//   before (writes unbuffered, glibc's thresholds): 11.6 s user, 0.38 s system, 67 MB;
//           20,000 rows: 14,250 write and 1,680 brk calls
//   after  (pieces of 64 KiB, blocks kept for reuse): 9.0 s user, 0.07 s system, 70 MB;
//           20,000 rows: 19 write and 20 brk calls
// On an idle machine the issue measured 6.6 s before.
//
// This program's rows:100000 lines, before and after sheets to a PDF file went through the
// program's own PDF writer (Qt's engine lays out and writes every glyph of every text
// again; ours reuses each font's letters and writes a line as one run), the two binaries
// run in turn on the build machine, its load about 4:
//                     CPU, tuned:0 / tuned:1     PDF       peak memory, tuned:0 / tuned:1
//   before (7624582)  7.5 to 7.6 s / 7.8 to 8.5 s   11.2 MB   73 MB / 81 MB
//   after             1.6 to 2.1 s / 1.7 to 2.0 s    6.5 MB   73 MB / 81 MB
// plakatorium-batch sheets of the same list from a CSV file, Tahoma 8: before 8.1 s user,
// 72 MB, 11.8 MB of PDF; after 1.9 s user, 72 MB, 6.8 MB of PDF.
// The memory is the data's (the list's text, its table) and what the tuning keeps; it
// does not grow with the sheets. The peak of a tuned run counts what the runs before it
// in the same process left: run alone (--benchmark_filter=rows:100000/tuned:1) it was
// 80.8 MB with blocks up to 32 MiB kept on the heap and 64 MiB at its top, 78.2 MB with
// the thresholds just above Qt's 16 MiB buffers (17 and 36 MiB), at the same CPU.
#include "BenchMain.h"
#include "app/core/MemoryTuning.h"
#include "canvas/core/Etiquette.h"
#include "merge/core/DataFile.h"
#include "merge/core/FieldMarkers.h"
#include "print/core/PrintJob.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

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

/// The address label: 70 x 37 mm, four texts of markers, 3 x 8 on a sheet at 300 dpi.
void addressLabel(plk::Etiquette& tab)
{
    tab.NewProjet(QStringLiteral("Adresses"), 70, 37, 16777215, 8421504, false, false, false);
    const char* const texts[4] = {"«Prénom» «Nom»", "«Adresse»", "«CP» «Ville»", "Expéditeur : Plakatorium"};
    for (int i = 0; i < 4; ++i) {
        tab.NewLabel(6 + 6 * i, 6);
        tab.Caption(i + 1, QString::fromUtf8(texts[i]));
    }
    plk::PrintSettings print = tab.print();
    print.ImpNbrH = 3;
    print.ImpNbrV = 8;
    tab.setPrint(print);
    tab.setResolution(-4);
}

void printAddresses(benchmark::State& state)
{
    if (state.range(1) != 0)
        plk::keepLargeBlocksForReuse();
    const plk::DataTable table = plk::readDataBytes(addressList(int(state.range(0))), QStringLiteral("a.csv")).table;
    plk::Etiquette tab;
    addressLabel(tab);
    const QString pdf = QDir::temp().filePath(QStringLiteral("plakatorium-bench-merge.pdf"));
    for (auto _ : state) {
        if (!plk::printSheetsToPdf(tab, plk::layoutValues(tab.print()), pdf, &table).isEmpty())
            state.SkipWithError("not printed");
    }
    state.counters["sheets"] = double((table.rowCount() + 23) / 24);
    state.counters["pdf_mb"] = double(QFile(pdf).size()) / (1024 * 1024);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = double(usage.ru_maxrss) / 1024;
    QFile::remove(pdf);
}

}  // namespace

// Registered in this order: the untuned runs come before the tuning, which stays.
BENCHMARK(printAddresses)
    ->ArgNames({"rows", "tuned"})
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(readList)->ArgName("rows")->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(mergeEveryRow)->ArgName("rows")->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return plk::bench::runPaintingBenchmarks(argc, argv); }
