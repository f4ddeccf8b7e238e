// Codes on paper: ten A4 sheets of business cards (2 x 5 each, 100 cards) printed to
// PDF at 300 dpi, each card with a QR code of a vCard and an EAN-13, against the same
// cards without codes. The goal: the codes cost at most 1.5 times the time and 3 times
// the size of the PDF of the cards without them. Counters: the PDF's size in kB.
//
// Before a merge prints, every row's codes are encoded once to find the rows that cannot
// make one (checkCodeRows: a vCard QR code of 5,000 addresses). That check now stops
// before the code's geometry, which libzint builds and merges module by module and which
// only drawing needs. On the build machine (load about 3): checkCodeRows/rows:5000 4.3 s
// before, 2.1 s after; plakatorium-batch sheets of 5,000 address labels with a vCard QR
// code each 7.4 s before, 5.9 s after, the PDF byte for byte the same. Drawing a matrix code
// (QR, Data Matrix, Aztec) then read its modules off the encoding instead of libzint's
// geometry of the same squares: the same job 6.0 s before, 4.9 s after (idle machine), the
// PDF again byte for byte the same.
#include "BenchMain.h"
#include "barcode/core/VCard.h"
#include "canvas/core/CodeRows.h"
#include "canvas/core/Etiquette.h"
#include "merge/core/DataFile.h"
#include "print/core/PrintJob.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

/// The shipped business-card template's card: five lines of text and its vCard QR code,
/// with an EAN-13 added under the texts.
void makeCard(plk::Etiquette& tab, bool withCodes)
{
    tab.NewProjet(QStringLiteral("Carte"), 85, 55, plk::rgbColor(255, 255, 255), 0x808080, false, false, false);
    const std::pair<const char*, double> lines[] = {{"Prénom Nom", 9},
                                                     {"Fonction", 16},
                                                     {"12 rue des Lilas - 75000 Paris", 36},
                                                     {"Tél. 01 23 45 67 89", 41},
                                                     {"contact@exemple.fr", 46}};
    for (const auto& [text, top] : lines) {
        tab.NewLabel(top, 8);
        tab.Caption(tab.labelCount(), QString::fromUtf8(text));
        tab.FontStyle(tab.labelCount(), QStringLiteral("Tahoma"), 8, false, false, false, false);
    }
    if (!withCodes)
        return;
    plk::CodeObject qr;
    qr.Data = plk::vCardData({"Prénom Nom", {}, "01 23 45 67 89", "contact@exemple.fr", {}});
    qr.Left = 58;
    qr.Top = 27;
    qr.Width = qr.Height = 22;
    tab.NewCode(qr);
    plk::CodeObject ean;
    ean.Kind = plk::BarcodeKind::EAN13;
    ean.Data = QStringLiteral("3017620422003");
    ean.Left = 50;
    ean.Top = 3;
    ean.Width = 30;
    ean.Height = 18;
    tab.NewCode(ean);
}

void cardsToPdf(benchmark::State& state)
{
    const QTemporaryDir dir;
    plk::Etiquette tab;
    makeCard(tab, state.range(0) != 0);
    tab.setResolution(-4);  // "300 Dpi"
    const plk::LayoutValues values{20, 10, 0, 0, 2, 5, 10, 0, 0};
    const QString pdf = dir.filePath(QStringLiteral("cartes.pdf"));
    state.counters["kB"] = plk::bench::timePdfSheets(state, tab, values, pdf) / 1e3;
}

void checkCodeRows(benchmark::State& state)
{
    QByteArray csv = "Prénom;Nom;Société;Courriel\n";
    for (int i = 0; i < state.range(0); ++i) {
        const QByteArray n = QByteArray::number(i);
        csv += "Amélie;Bérard-" + n + ";Boulangerie " + n + ";amelie" + n + "@exemple.fr\n";
    }
    const plk::DataTable table = plk::readDataBytes(csv, QStringLiteral("adresses.csv")).table;
    plk::Etiquette tab;
    tab.NewProjet(QStringLiteral("Adresses"), 70, 37, plk::rgbColor(255, 255, 255), 0x808080, false, false, false);
    plk::CodeObject qr;
    qr.Data = plk::vCardData({"«Prénom» «Nom»", "«Société»", {}, "«Courriel»", {}});
    qr.Width = qr.Height = 20;
    tab.NewCode(qr);
    for (auto _ : state) {
        if (!plk::codeRowProblems(tab, &table).empty())
            state.SkipWithError("a row refused");
    }
    state.SetItemsProcessed(state.iterations() * table.rowCount());
}

}  // namespace

BENCHMARK(checkCodeRows)->ArgName("rows")->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(cardsToPdf)->ArgName("codes")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return plk::bench::runPaintingBenchmarks(argc, argv); }
