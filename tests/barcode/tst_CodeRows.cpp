// Field markers in codes of every kind: the file keeps them, the canvas shows them in a
// hatched frame until a row is shown, and rows whose values a code cannot carry are
// listed (row, field, reason) before an output, which stops unless the user leaves
// those labels out.

#include "barcode/BarcodeDecoding.h"
#include "canvas/core/CodeRows.h"
#include "canvas/core/Etiquette.h"
#include "canvas/ui/TabDataPrompts.h"
#include "merge/core/DataFile.h"
#include "merge/core/LinkedFiles.h"
#include "merge/core/RowValues.h"
#include "support/ScriptedDialogs.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

namespace {

const QByteArray kRows = QByteArrayLiteral("Nom;Ref\r\nPain;590123412345\r\nSel;59012A\r\nSucre;3017620422003\r\n");

/// A tab with one EAN-13 of 40 x 25 mm at (5, 5) whose data is the field Ref.
void makeTab(Etiquette& tab)
{
    tab.NewProjet(QStringLiteral("Rayon"), 50, 35, 0xFFFFFF, 0, false, false, false);
    tab.NewCode(CodeObject{BarcodeKind::EAN13, QStringLiteral("«Ref»"), 5, 5, 40, 25});
}

QImage canvasPicture(const Etiquette& tab, const RowValues& row)
{
    QImage image = test::whitePicture(QSizeF(50, 35), 300);
    QPainter painter(&image);
    test::useMillimetres(painter, 300);
    tab.code(1).paintOnCanvas(painter, tab.codeRect(1), row);
    return image;
}

}  // namespace

class TestCodeRows : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:

    void markersAreKeptShownAndListedRowByRow()
    {
        Etiquette tab;
        makeTab(tab);
        QVERIFY(tab.RecupererObjet(Etiquette::kCodeRecords).startsWith(QStringLiteral("CODE|EAN13|«Ref»|5|5|40|25|0|")));
        const DataTable table = readDataBytes(kRows, QStringLiteral("rayon.csv")).table;

        // Until a row is shown the canvas hatches the code's frame: some ink, no code.
        const QImage markers = canvasPicture(tab, RowValues());
        QVERIFY(!test::decodeBarcode(markers, BarcodeKind::EAN13).found);
        int ink = 0;
        for (int y = 80; y < 280; ++y)
            for (int x = 80; x < 380; ++x)
                ink += qGray(markers.pixel(x, y)) < 200;
        QVERIFY(ink > 1000 && ink < 30000);
        QCOMPARE(test::decodeBarcode(canvasPicture(tab, RowValues(&table, 0)), BarcodeKind::EAN13).text,
                 QStringLiteral("5901234123457"));

        const std::vector<CodeRowProblem> problems = codeRowProblems(tab, &table);
        QCOMPARE(codeProblemsText(problems),
                 QStringLiteral("Ligne 2, champ « Ref » : Un code EAN-13 ne porte que des chiffres : « A » n'en est "
                                "pas un."));
        const DataTable kept = withoutProblemRows(table, problems);
        QCOMPARE(kept.rowCount(), 2);
        QCOMPARE(kept.value(1, 0), QStringLiteral("Sucre"));
        // Without a data file the marker is drawn as typed, which no EAN-13 carries.
        QCOMPARE(codeRowProblems(tab, nullptr).size(), std::size_t(1));
    }

    void theUserStopsByDefaultOrLeavesTheLabelsOut()
    {
        Etiquette tab;
        makeTab(tab);
        const QString csv = m_dir.filePath(QStringLiteral("rayon.csv"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kRows) == kRows.size());
        file.close();
        tab.setMergeSettings(MergeSettings{csv, false, 1});

        test::ScriptedDialogs dialogs;
        dialogs.answers = {Dialogs::Answer::No};
        QVERIFY(!rowsForLabels(dialogs, nullptr, tab, LinkedFileAnswers({}, {}), false));
        QCOMPARE(dialogs.shown.size(), 1);
        QVERIFY(dialogs.shown[0].text.contains(QStringLiteral("Ligne 2, champ « Ref »")));
        QCOMPARE(dialogs.shown[0].defaultButton, Dialogs::Answer::No);

        dialogs.answers = {Dialogs::Answer::Yes};
        const auto rows = rowsForLabels(dialogs, nullptr, tab, LinkedFileAnswers({}, {}), false);
        QVERIFY(rows && *rows);
        QCOMPARE((*rows)->rowCount(), 2);
        // An export takes one row: a row the code cannot carry stops it.
        QVERIFY(codesDrawable(dialogs, nullptr, tab, rows->get(), 1));
        const DataTable table = readDataBytes(kRows, QStringLiteral("rayon.csv")).table;
        QVERIFY(!codesDrawable(dialogs, nullptr, tab, &table, 1));
        QCOMPARE(dialogs.shown.size(), 3);
    }
};

PLK_TEST_CLASS(TestCodeRows)
#include "tst_CodeRows.moc"
