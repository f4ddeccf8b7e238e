#include "base/core/ValueReader.h"
#include "merge/core/DataFile.h"
#include "merge/core/MergeSettings.h"
#include "merge/core/MergedSheets.h"
#include "support/TestRegistry.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

namespace {

MergeSettings readRecord(const QString& record, const QString& folder)
{
    return readMergeRecord(record.split(QLatin1Char('|')), folder);
}

/// The rows on one sheet, label by label (-1 for an empty label).
QList<int> sheetRows(const MergedSheets& m, int sheet)
{
    QList<int> rows;
    for (int label = 0; label < m.labelsPerSheet(); ++label)
        rows.append(m.rowAt(sheet, label));
    return rows;
}

}  // namespace

class TestMergeSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordKeepsAPathInTheProjectFolderRelative()
    {
        QCOMPARE(mergeRecord(MergeSettings{}, QStringLiteral("/p")), QString());

        const MergeSettings inside = chosenDataFile(QStringLiteral("/p/donnees/../donnees/adresses.csv"), QStringLiteral("/p"), 5);
        QCOMPARE(inside.dataFile, QStringLiteral("/p/donnees/adresses.csv"));
        QVERIFY(inside.relative);
        QCOMPARE(mergeRecord(inside, QStringLiteral("/p")), QStringLiteral("FUSION|donnees/adresses.csv|5"));
        // Saved elsewhere, the record still leads to the same file.
        QCOMPARE(mergeRecord(inside, QStringLiteral("/q/r")), QStringLiteral("FUSION|../../p/donnees/adresses.csv|5"));

        const MergeSettings outside = chosenDataFile(QStringLiteral("/data/adresses.csv"), QStringLiteral("/p"));
        QVERIFY(!outside.relative);
        QCOMPARE(mergeRecord(outside, QStringLiteral("/p")), QStringLiteral("FUSION|/data/adresses.csv|1"));
        // A project not saved yet has no folder: the path stays whole.
        QVERIFY(!chosenDataFile(QStringLiteral("/p/a.csv"), QString()).relative);
        QCOMPARE(mergeRecord(chosenDataFile(QStringLiteral("/p/a.csv"), QString()), QString()), QStringLiteral("FUSION|/p/a.csv|1"));
    }

    void recordReadsBack()
    {
        const MergeSettings rel = readRecord(QStringLiteral("FUSION|donnees/adresses.csv|5"), QStringLiteral("/p"));
        QCOMPARE(rel.dataFile, QStringLiteral("/p/donnees/adresses.csv"));
        QVERIFY(rel.relative);
        QCOMPARE(rel.firstLabel, std::int16_t(5));
        QCOMPARE(mergeRecord(rel, QStringLiteral("/p")), QStringLiteral("FUSION|donnees/adresses.csv|5"));

        const MergeSettings abs = readRecord(QStringLiteral("FUSION|/data/a.csv|1"), QStringLiteral("/p"));
        QCOMPARE(abs, (MergeSettings{QStringLiteral("/data/a.csv"), false, 1, true}));  // read once agreed
        // Without a folder (a project read from bytes) a relative path is kept as written.
        const MergeSettings loose = readRecord(QStringLiteral("FUSION|a.csv|2"), QString());
        QCOMPARE(loose, (MergeSettings{QStringLiteral("a.csv"), true, 2}));
        QCOMPARE(mergeRecord(loose, QString()), QStringLiteral("FUSION|a.csv|2"));

        // First labels out of range come back into it; a first label that is no number fails the record.
        QCOMPARE(readRecord(QStringLiteral("FUSION|/a.csv|0"), QString()).firstLabel, std::int16_t(1));
        QCOMPARE(readRecord(QStringLiteral("FUSION|/a.csv|-3"), QString()).firstLabel, std::int16_t(1));
        QCOMPARE(readRecord(QStringLiteral("FUSION|/a.csv|99999999999"), QString()).firstLabel, std::int16_t(400));
        QCOMPARE(readRecord(QStringLiteral("FUSION|/a.csv|401"), QString()).firstLabel, std::int16_t(400));
        QVERIFY_THROWS_EXCEPTION(FormatError, readRecord(QStringLiteral("FUSION|/a.csv|cinq"), QString()));
        QVERIFY_THROWS_EXCEPTION(FormatError, readRecord(QStringLiteral("FUSION|/a.csv"), QString()));
        QVERIFY(!readRecord(QStringLiteral("FUSION||3"), QStringLiteral("/p")).active());
    }

    void optionsRecordReadsBackAndDefaultsWriteNothing_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("written");
        QTest::newRow("every field") << "FUSIONOPT|1001|2|6|1|1|dd/MM/yyyy|HH:mm|Ex" << "";
        QTest::newRow("short record") << "FUSIONOPT|5" << "FUSIONOPT|5|1|0|0|0|||";
        QTest::newRow("out of range") << "FUSIONOPT|-4|0|99|7|0" << "FUSIONOPT|0|1|12|1|0|||";
        QTest::newRow("defaults") << "FUSIONOPT|1|1|0|0|0|||" << "-";
    }

    void optionsRecordReadsBackAndDefaultsWriteNothing()
    {
        QFETCH(QString, record);
        QFETCH(QString, written);
        MergeSettings s;
        readMergeOptions(record.split(QLatin1Char('|')), s);
        const QString expected = written.isEmpty() ? record : written == QLatin1String("-") ? QString() : written;
        QCOMPARE(mergeRecord(s, QString()), expected);
        // After the FUSION record, and carried on past the labels a run used.
        s.dataFile = QStringLiteral("/a.csv");
        QCOMPARE(mergeRecord(s, QString()).section(QStringLiteral("\r\n"), 1), expected);
        QVERIFY_THROWS_EXCEPTION(FormatError, readMergeOptions({kMergeOptionsKeyword, QStringLiteral("un")}, s));
    }

    void aCounterCarriesOnAndCopiesFillLabels()
    {
        MergeSettings s;
        s.counter = {10, 5, 0, false, true};
        QCOMPARE(carriedOn(s, 24).counter.start, qint64(130));
        s.counter.carryOn = false;
        QCOMPARE(carriedOn(s, 24).counter.start, qint64(10));
        // Copies per row: 2, none, 1 (not a number), 30 on sheets of 24 from label 23.
        const DataTable t = readDataBytes("Nom;Ex\r\nA;2\r\nB;0\r\nC;x\r\nD;30\r\n", "c.csv").table;
        s.copiesField = QStringLiteral("Ex");
        s.firstLabel = 23;
        const MergedSheets copies = MergedSheets::of(t, s, 24);
        QCOMPARE(copies.labelCount(), qint64(33));
        QCOMPARE(copies.sheetCount(), 3);
        QCOMPARE(sheetRows(copies, 0).mid(21), QList<int>({-1, 0, 0}));
        QCOMPARE(sheetRows(copies, 1).mid(0, 2), QList<int>({2, 3}));
        QCOMPARE(copies.rowAt(2, 6), 3);
        QCOMPARE(copies.rowAt(2, 7), -1);
    }

    void onlyPathsARecordCanHold()
    {
        QVERIFY(storablePath(QStringLiteral("/home/zoé/Données/adresses 2024.csv")));
        QVERIFY(!storablePath(QStringLiteral("/tmp/a|b.csv")));
        QVERIFY(!storablePath(QStringLiteral("/tmp/a\nb.csv")));
        QVERIFY(!storablePath(QStringLiteral("/tmp/адреса.csv")));  // not in the file's code page
    }

    void rowsFillTheSheetsFromTheFirstLabel()
    {
        // Fifty rows on sheets of 3 x 8 labels: 24, 24 and 2.
        const MergedSheets fifty(24, 1, 50);
        QCOMPARE(fifty.sheetCount(), 3);
        QCOMPARE(fifty.rowAt(0, 0), 0);
        QCOMPARE(fifty.rowAt(0, 23), 23);
        QCOMPARE(fifty.rowAt(1, 0), 24);
        QCOMPARE(sheetRows(fifty, 2).mid(0, 3), QList<int>({48, 49, -1}));
        QCOMPARE(fifty.rowAt(3, 0), -1);

        // Starting at label 5 of a partly used sheet shifts every row by four places.
        const MergedSheets shifted(24, 5, 50);
        QCOMPARE(shifted.firstSlot(), 4);
        QCOMPARE(sheetRows(shifted, 0).mid(0, 6), QList<int>({-1, -1, -1, -1, 0, 1}));
        QCOMPARE(shifted.rowAt(1, 0), 20);
        QCOMPARE(shifted.rowAt(2, 5), 49);
        QCOMPARE(shifted.sheetCount(), 3);
        QCOMPARE(MergedSheets(24, 5, 44).sheetCount(), 2);
        QCOMPARE(MergedSheets(24, 5, 45).sheetCount(), 3);

        // The first label is held to the sheet; no row, no sheet.
        QCOMPARE(MergedSheets(24, 0, 1).firstSlot(), 0);
        QCOMPARE(MergedSheets(24, 400, 1).firstSlot(), 23);
        QCOMPARE(MergedSheets(24, 1, 0).sheetCount(), 0);
        QCOMPARE(MergedSheets(1, 1, 100000).sheetCount(), 100000);
        QCOMPARE(MergedSheets(1, 1, 3).rowAt(2, 0), 2);
    }
};

PLK_TEST_CLASS(TestMergeSettings)
#include "tst_MergeSettings.moc"
