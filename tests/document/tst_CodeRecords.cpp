// Codes in project files: CODE records after each tab's logos, read and written byte
// for byte with their escapes; a reader that knows no CODE keeps everything else; a
// record with data its kind cannot carry stops the reading at its line, saying why (the
// record reader's own reasons are checked with the barcode data).

#include "barcode/core/BarcodeSymbol.h"
#include "base/core/Cp1252.h"
#include "document/core/ProjectFile.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

Q_DECLARE_METATYPE(plk::BarcodeKind)

namespace {

const QString kWithCodes = QStringLiteral(
    "ONGLET|Carte\r\n"
    "PROJET|Carte|85|55|16777215|8421504|Faux|Faux|Faux|Faux|Faux\r\n"
    "LABEL|Zoé Lefèvre|9|8|Tahoma|14|Vrai|Faux|Faux|Faux|6697728\r\n"
    "LOGO||8|62|15|15\r\n"
    "CODE|QR|BEGIN:VCARD\\nFN:Zoé Lefèvre\\nNOTE:a\\pb \\\\ c € «»\\nEND:VCARD|27,5|58|22|22|0|Faux\r\n"
    "CODE|EAN13|3017620422003|40|8|40,25|12|-2147483640|Vrai\r\n"
    "FOND|1|16777215\r\n"
    "PRINT|0|0|0|3|1|15|11|10|0|2|5\r\n"
    "PLANCHE|15|11|95|55\r\n"
    "ONGLET|Verso\r\n"
    "PROJET|Verso|85|55|16777215|8421504|Faux|Faux|Faux|Faux|Faux\r\n"
    "CODE|CODE128|Colis 7|5|5|60|20|255|Vrai\r\n"
    "FOND|1|16777215\r\n"
    "PRINT|0|0|0|3|1|15|11|10|0|2|5\r\n");

QByteArray written(Project& p) { return toCp1252(projectFileText(p, test::french())); }

}  // namespace

class TestCodeRecords : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void codesRoundTripByteForByte()
    {
        Project p;
        QVERIFY(readProjectData(toCp1252(kWithCodes), p, test::french()).ok());
        QCOMPARE(p.tab(1).IDcode(), std::int16_t(2));
        QCOMPARE(p.tab(1).codeData(1),
                 QStringLiteral("BEGIN:VCARD\nFN:Zoé Lefèvre\nNOTE:a|b \\ c € «»\nEND:VCARD"));
        QCOMPARE(p.tab(1).code(2).ForeColor, OleColor(-2147483640));
        QCOMPARE(p.tab(2).code(1).Kind, BarcodeKind::Code128);
        QCOMPARE(written(p), toCp1252(kWithCodes));

        // English regional settings write the reals and booleans their way.
        QString english = kWithCodes;
        english.replace("27,5", "27.5").replace("40,25", "40.25").replace("Faux", "False").replace("Vrai", "True");
        QCOMPARE(projectFileText(p, test::english()), english);
    }

    void deletedCodesLeaveNoGapOnReload()
    {
        Project p;
        QVERIFY(readProjectData(toCp1252(kWithCodes), p, test::french()).ok());
        p.tab(1).objectClick(Etiquette::ObjectKind::Code, 1);
        p.tab(1).deleteSelected();
        Project q;
        QVERIFY(readProjectData(written(p), q, test::french()).ok());
        QCOMPARE(q.tab(1).IDcode(), std::int16_t(1));
        QCOMPARE(q.tab(1).code(1).Kind, BarcodeKind::EAN13);
    }

    void aReaderWithoutCodesKeepsTheRest()
    {
        // To a reader that knows no CODE record, the keyword is one of those it skips.
        QString unknown = kWithCodes;
        unknown.replace(QStringLiteral("\r\nCODE|"), QStringLiteral("\r\nCODX|"));
        Project p;
        QVERIFY(readProjectData(toCp1252(unknown), p, test::french()).ok());
        QCOMPARE(p.tab(1).IDcode(), std::int16_t(0));
        QStringList rest = kWithCodes.split(QStringLiteral("\r\n"));
        rest.removeIf([](const QString& line) { return line.startsWith(QStringLiteral("CODE|")); });
        QCOMPARE(QString::fromLatin1(written(p)), rest.join(QStringLiteral("\r\n")));
    }

    void wrongDataStopsTheReadingAtItsLine_data()
    {
        QTest::addColumn<BarcodeKind>("kind");
        QTest::addColumn<QString>("data");
        // Each kind's reasons are the encoder's own; two kinds show the reading stops with them.
        QTest::newRow("EAN-13, check digit") << BarcodeKind::EAN13 << QStringLiteral("3017620422004");
        QTest::newRow("Code 39, accent") << BarcodeKind::Code39 << QStringLiteral("plk été");
    }

    void wrongDataStopsTheReadingAtItsLine()
    {
        QFETCH(BarcodeKind, kind);
        QFETCH(QString, data);
        const QString expected = barcodeDataError(kind, data);
        QVERIFY(!expected.isEmpty());
        const QString text = QStringLiteral("ONGLET|Carte\r\n"
                                            "PROJET|Carte|85|55|16777215|8421504|Faux|Faux|Faux|Faux|Faux\r\n"
                                            "LABEL|Avant|9|8|Tahoma|14|Vrai|Faux|Faux|Faux|0\r\n"
                                            "CODE|%1|%2|5|5|40|20|0|Vrai\r\n"
                                            "LABEL|Après|19|8|Tahoma|14|Vrai|Faux|Faux|Faux|0\r\n")
                                 .arg(barcodeKindName(kind), data);
        Project p;
        const ReadResult r = readProjectData(toCp1252(text), p, test::french());
        QCOMPARE(r.status, ReadResult::Status::StoppedAtRecord);
        QCOMPARE(r.line, 4);
        QCOMPARE(r.reason, expected);
        QCOMPARE(p.tab(1).IDcode(), std::int16_t(0));
        QCOMPARE(p.tab(1).IDlabel(), std::int16_t(1));  // what came before stays
    }

    void batchInfoListsTheCodes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Carte.plk");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(toCp1252(kWithCodes));
        file.close();
        const test::BatchRun r = test::batch({"info", path});
        QCOMPARE(r.exitCode, 0);
        const QJsonArray tabs = QJsonDocument::fromJson(r.out).object()["tabs"].toArray();
        const QJsonArray codes = tabs.at(0).toObject()["codes"].toArray();
        QCOMPARE(codes.size(), 2);
        const QJsonObject qr = codes.at(0).toObject();
        QCOMPARE(qr["slot"].toInt(), 1);
        QCOMPARE(qr["Kind"].toString(), QStringLiteral("QR"));
        QCOMPARE(qr["Top"].toDouble(), 27.5);
        QCOMPARE(qr["ShowText"].toBool(), false);
        QVERIFY(qr["Data"].toString().contains(QStringLiteral("a|b \\ c € «»\n")));
        QCOMPARE(codes.at(1).toObject()["Width"].toDouble(), 40.25);
        QCOMPARE(tabs.at(1).toObject()["codes"].toArray().at(0).toObject()["Data"].toString(),
                 QStringLiteral("Colis 7"));
    }
};

PLK_TEST_CLASS(TestCodeRecords)
#include "tst_CodeRecords.moc"
