#include "barcode/core/BarcodeData.h"
#include "barcode/core/BarcodeSymbol.h"
#include "barcode/core/CodeObject.h"
#include "base/core/ValueReader.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace plk;

Q_DECLARE_METATYPE(plk::BarcodeKind)

namespace {

CodeObject sampleCode()
{
    CodeObject c;
    c.Kind = BarcodeKind::QR;
    c.Data = QStringLiteral("Café \\ crème | 12,5 €\nligne 2");
    c.Top = 12.5;
    c.Left = 3.25;
    c.Width = 20;
    c.Height = 20.125;
    c.ForeColor = rgbColor(0, 0, 128);
    c.ShowText = false;
    return c;
}

QStringList fieldsOf(const QString& record) { return record.split(QLatin1Char('|')); }

}  // namespace

class TestBarcodeData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void kindNamesAreStoredExactly()
    {
        const QStringList names{"QR",      "DATAMATRIX", "PDF417",  "EAN13",         "EAN8",  "UPCA",
                                "CODE128", "CODE39",     "ITF14",   "UPCE",          "EAN13ADDON", "GS1128",
                                "GS1DATAMATRIX", "AZTEC", "CODABAR", "CODE93",       "I2OF5"};
        QCOMPARE(qsizetype(kBarcodeKinds.size()), names.size());
        for (std::size_t i = 0; i < kBarcodeKinds.size(); ++i) {
            QCOMPARE(barcodeKindName(kBarcodeKinds[i]), names.at(qsizetype(i)));
            QCOMPARE(barcodeKindFromName(names.at(qsizetype(i))), kBarcodeKinds[i]);
        }
        QVERIFY(!barcodeKindFromName("qr"));
        QVERIFY(!barcodeKindFromName("EAN-13"));
        QVERIFY(!isLinear(BarcodeKind::QR) && !isLinear(BarcodeKind::DataMatrix) && !isLinear(BarcodeKind::PDF417));
        QVERIFY(isLinear(BarcodeKind::EAN13) && isLinear(BarcodeKind::Code39) && isLinear(BarcodeKind::ITF14));
    }

    void checkDigits()
    {
        QCOMPARE(gtinCheckDigit("590123412345"), 7);
        QCOMPARE(gtinCheckDigit("9638507"), 4);
        QCOMPARE(gtinCheckDigit("03600029145"), 2);
        QCOMPARE(gtinCheckDigit("1540014128876"), 3);
        QCOMPARE(gtinCheckDigit("400638133393"), 1);
    }

    void wrongDataIsRefusedWithItsReason_data()
    {
        QTest::addColumn<BarcodeKind>("kind");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, BarcodeKind k, const QString& d, const QString& m) {
            QTest::newRow(name) << k << d << m;
        };
        row("EAN-13 too short", BarcodeKind::EAN13, "59012341234", "Un code EAN-13 compte 12 ou 13 chiffres.");
        row("EAN-13 too long", BarcodeKind::EAN13, "59012341234570", "Un code EAN-13 compte 12 ou 13 chiffres.");
        row("EAN-13 letter", BarcodeKind::EAN13, "59012341234A",
            "Un code EAN-13 ne porte que des chiffres : « A » n'en est pas un.");
        row("EAN-13 check digit", BarcodeKind::EAN13, "5901234123458",
            "Le dernier chiffre d'un code EAN-13 est sa clé de contrôle : elle devrait être 7, pas 8.");
        row("EAN-8 length", BarcodeKind::EAN8, "963850", "Un code EAN-8 compte 7 ou 8 chiffres.");
        row("EAN-8 check digit", BarcodeKind::EAN8, "96385070",
            "Le dernier chiffre d'un code EAN-8 est sa clé de contrôle : elle devrait être 4, pas 0.");
        row("UPC-A length", BarcodeKind::UPCA, "0360002914521", "Un code UPC-A compte 11 ou 12 chiffres.");
        row("UPC-A space", BarcodeKind::UPCA, "03600 029145",
            "Un code UPC-A ne porte que des chiffres : l'espace n'en est pas un.");
        row("UPC-A check digit", BarcodeKind::UPCA, "036000291459",
            "Le dernier chiffre d'un code UPC-A est sa clé de contrôle : elle devrait être 2, pas 9.");
        row("ITF-14 length", BarcodeKind::ITF14, "154001412887", "Un code ITF-14 compte 13 ou 14 chiffres.");
        row("ITF-14 check digit", BarcodeKind::ITF14, "15400141288760",
            "Le dernier chiffre d'un code ITF-14 est sa clé de contrôle : elle devrait être 3, pas 0.");
        row("Code 128 euro", BarcodeKind::Code128, "12 €",
            "Un code 128 ne porte que les lettres, chiffres et signes de l'alphabet Latin-1 et des caractères de "
            "contrôle : « € » n'en est pas un.");
        row("Code 39 accent", BarcodeKind::Code39, "PLK-é",
            "Un code 39 ne porte que les caractères ASCII imprimables (lettres sans accent, chiffres, espace, "
            "ponctuation) : « é » n'en est pas un.");
        row("UPC-E length", BarcodeKind::UPCE, "12345", "Un code UPC-E compte de 6 à 8 chiffres.");
        row("UPC-E number system", BarcodeKind::UPCE, "2123456", "Un code UPC-E de 7 ou 8 chiffres commence par 0 ou 1.");
        row("UPC-E check digit", BarcodeKind::UPCE, "01234564", "La clé de contrôle d'un code UPC-E est fausse.");
        row("add-on missing", BarcodeKind::EAN13AddOn, "5901234123457",
            "Un code EAN-13 avec supplément s'écrit comme un EAN-13, suivi de « + » et de 2 ou 5 chiffres.");
        row("add-on check digit", BarcodeKind::EAN13AddOn, "5901234123458+12",
            "Le dernier chiffre d'un code EAN-13 est sa clé de contrôle : elle devrait être 7, pas 8.");
        row("GS1 without AI", BarcodeKind::GS1128, "0109501101530003",
            "Un code GS1-128 commence par un identifiant d'application entre parenthèses, comme (01).");
        row("GS1 wrong GTIN", BarcodeKind::GS1DataMatrix, "(01)09501101530004",
            "Les identifiants d'application d'un code GS1 DataMatrix sont inconnus ou leurs valeurs ne leur "
            "conviennent pas.");
        row("Codabar letter", BarcodeKind::Codabar, "A12E4B",
            "Un code Codabar ne porte que des chiffres et les signes - $ : / . +, entre deux lettres de A à D "
            "facultatives : « E » n'en est pas un.");
        row("2 of 5 letter", BarcodeKind::I2of5, "12a4",
            "Un code 2 parmi 5 entrelacé ne porte que des chiffres : « a » n'en est pas un.");
        row("empty", BarcodeKind::Code128, "", "Les données du code sont vides.");
        row("Data Matrix control character", BarcodeKind::DataMatrix, QString("A") + QChar(7),
            "Un code Data Matrix ne porte que du texte, des sauts de ligne et des tabulations, sans autre caractère "
            "de contrôle : le caractère de contrôle 7 n'en est pas un.");
        row("beyond any code", BarcodeKind::QR, QString(kMaxBarcodeDataLength + 1, '1'),
            "Les données du code dépassent 5596 caractères.");
        row("beyond a Data Matrix", BarcodeKind::DataMatrix, QString(3200, 'x'),
            "Les données sont trop longues pour un code Data Matrix.");
        row("beyond a Code 128", BarcodeKind::Code128, QString(300, 'x'),
            "Les données sont trop longues pour un code 128.");
    }

    void wrongDataIsRefusedWithItsReason()
    {
        QFETCH(BarcodeKind, kind);
        QFETCH(QString, data);
        QFETCH(QString, message);
        QCOMPARE(barcodeDataError(kind, data), message);
        QVERIFY(!encodeBarcode(kind, data, true).ok());
    }

    void goodDataIsAccepted_data()
    {
        QTest::addColumn<BarcodeKind>("kind");
        QTest::addColumn<QString>("data");
        QTest::newRow("EAN-13 without check digit") << BarcodeKind::EAN13 << "590123412345";
        QTest::newRow("EAN-13") << BarcodeKind::EAN13 << "5901234123457";
        QTest::newRow("EAN-8") << BarcodeKind::EAN8 << "9638507";
        QTest::newRow("UPC-A") << BarcodeKind::UPCA << "036000291452";
        QTest::newRow("ITF-14") << BarcodeKind::ITF14 << "15400141288763";
        QTest::newRow("Code 128") << BarcodeKind::Code128 << "Plk-2026 {ok}";
        QTest::newRow("Code 128 Latin-1") << BarcodeKind::Code128 << "Crème\tà 5 °C\n";
        QTest::newRow("Code 39") << BarcodeKind::Code39 << "PLK 39-$/+%.";
        QTest::newRow("Code 39 full ASCII") << BarcodeKind::Code39 << "Plk *39*";
        QTest::newRow("QR beyond Windows-1252") << BarcodeKind::QR << "Łódź 日本語";
        QTest::newRow("QR") << BarcodeKind::QR << "Œuvre : 15 € – « été »\n\ttab";
        QTest::newRow("QR largest") << BarcodeKind::QR << QString(kMaxBarcodeDataLength, '7');
        QTest::newRow("PDF417") << BarcodeKind::PDF417 << "Étiquette n° 12";
    }

    void goodDataIsAccepted()
    {
        QFETCH(BarcodeKind, kind);
        QFETCH(QString, data);
        QCOMPARE(barcodeDataError(kind, data), QString());
        const BarcodeEncoding e = encodeBarcode(kind, data, true);
        QVERIFY(e.ok());
        QVERIFY(!e.symbol.modules.empty());
        QCOMPARE(e.symbol.texts.empty(), !isLinear(kind));
    }

    void lineBreaksAreNormalised()
    {
        QCOMPARE(normalisedBarcodeData("a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"));
    }

    void symbolsCountModules()
    {
        // Version 1 QR code: 21 modules and a quiet zone of 4 on each side.
        const BarcodeEncoding qr = encodeBarcode(BarcodeKind::QR, "A", true);
        QCOMPARE(qr.symbol.size, QSizeF(29, 29));
        // EAN-13: 95 modules between quiet zones of 11 and 7.
        const BarcodeEncoding ean = encodeBarcode(BarcodeKind::EAN13, "5901234123457", false, 40);
        QCOMPARE(ean.symbol.size.width(), 113.0);
        QCOMPARE(ean.symbol.barHeight, 40.0);
        QVERIFY(ean.symbol.texts.empty());
        const BarcodeEncoding tall = encodeBarcode(BarcodeKind::EAN13, "5901234123457", false, 60);
        QCOMPARE(tall.symbol.size.height() - ean.symbol.size.height(), 20.0);
        const BarcodeEncoding text = encodeBarcode(BarcodeKind::EAN13, "5901234123457", true, 40);
        QStringList pieces;
        for (const BarcodeText& t : text.symbol.texts)
            pieces << t.text;
        QCOMPARE(pieces.join(QString()), QStringLiteral("5901234123457"));
    }

    void escapes()
    {
        QCOMPARE(escapeCodeData("a\\b|c\nd\\n"), QStringLiteral("a\\\\b\\pc\\nd\\\\n"));
        QCOMPARE(unescapeCodeData("a\\\\b\\pc\\nd\\\\n"), QStringLiteral("a\\b|c\nd\\n"));
        QVERIFY_THROWS_EXCEPTION(FormatError, unescapeCodeData("a\\tb"));
        QVERIFY_THROWS_EXCEPTION(FormatError, unescapeCodeData("ab\\"));
    }

    void recordsAreWrittenInTheRegionalForm()
    {
        const CodeObject c = sampleCode();
        QCOMPARE(codeRecord(c, test::french()),
                 QStringLiteral("CODE|QR|Café \\\\ crème \\p 12,5 €\\nligne 2|12,5|3,25|20|20,125|8388608|Faux"));
        QCOMPARE(codeRecord(c, test::english()),
                 QStringLiteral("CODE|QR|Café \\\\ crème \\p 12,5 €\\nligne 2|12.5|3.25|20|20.125|8388608|False"));
        CodeObject ean;
        ean.Kind = BarcodeKind::EAN13;
        ean.Data = "590123412345";
        ean.Width = 37.29;
        ean.Height = 25.93;
        ean.ForeColor = kColorButtonText;
        QCOMPARE(codeRecord(ean, test::french()),
                 QStringLiteral("CODE|EAN13|590123412345|5|5|37,29|25,93|-2147483630|Vrai"));
    }

    void recordsRoundTripByteForByte()
    {
        for (const RegionalFormat& format : {test::french(), test::english()}) {
            const QString record = codeRecord(sampleCode(), format);
            const CodeObject read = codeFromRecord(fieldsOf(record), format);
            QCOMPARE(read.Data, sampleCode().Data);
            QCOMPARE(read.Top, 12.5);
            QCOMPARE(read.Height, 20.125);
            QCOMPARE(read.ForeColor, sampleCode().ForeColor);
            QCOMPARE(read.ShowText, false);
            QCOMPARE(codeRecord(read, format), record);
        }
    }

    void badRecordsAreRefused_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing field") << "CODE|QR|abc|5|5|20|20|0" << "champ 8 manquant";
        QTest::newRow("unknown kind") << "CODE|MAXICODE|abc|5|5|20|20|0|Vrai" << "type de code inconnu : « MAXICODE »";
        QTest::newRow("bad number") << "CODE|QR|abc|cinq|5|20|20|0|Vrai" << "nombre attendu : « cinq »";
        QTest::newRow("zero width") << "CODE|QR|abc|5|5|0|20|0|Vrai" << "taille de code hors limites : « 0 »";
        QTest::newRow("huge height") << "CODE|QR|abc|5|5|20|1e9|0|Vrai" << "taille de code hors limites : « 1e9 »";
        QTest::newRow("bad escape") << "CODE|QR|a\\xb|5|5|20|20|0|Vrai"
                                    << "séquence inconnue dans les données du code : « \\x »";
    }

    void badRecordsAreRefused()
    {
        QFETCH(QString, record);
        QFETCH(QString, reason);
        try {
            codeFromRecord(fieldsOf(record), test::french());
            QFAIL("the record was accepted");
        } catch (const FormatError& e) {
            QCOMPARE(QString::fromStdString(e.what()), reason);
        }
    }

    void defaultSizes()
    {
        QCOMPARE(defaultCodeSize(BarcodeKind::QR), QSizeF(20, 20));
        QCOMPARE(defaultCodeSize(BarcodeKind::DataMatrix), QSizeF(20, 20));
        QCOMPARE(defaultCodeSize(BarcodeKind::PDF417), QSizeF(40, 15));
        QCOMPARE(defaultCodeSize(BarcodeKind::EAN13), QSizeF(40, 25));
    }
};

QTEST_GUILESS_MAIN(TestBarcodeData)
#include "tst_BarcodeData.moc"
