// Codes: their data and check digits, the symbols drawn, what readers read back from
// every output, and field markers in them.

#include "barcode/BarcodeDecoding.h"
#include "barcode/core/BarcodeData.h"
#include "barcode/core/BarcodePainter.h"
#include "barcode/core/BarcodeSymbol.h"
#include "barcode/core/CodeObject.h"
#include "barcode/core/VCard.h"
#include "base/core/ValueReader.h"
#include "canvas/core/CodeRows.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/TabRenderer.h"
#include "canvas/ui/TabDataPrompts.h"
#include "document/core/Project.h"
#include "document/core/ProjectFile.h"
#include "export/core/TabExport.h"
#include "merge/core/DataFile.h"
#include "merge/core/LinkedFiles.h"
#include "merge/core/RowValues.h"
#include "print/core/PrintJob.h"
#include "support/PdfProbe.h"
#include "support/ScriptedDialogs.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>
#include <set>
#include <zint.h>

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

const QColor kInk(0, 0, 128);

/// A picture of 60 x 45 mm at 300 dpi with the code drawn into `box` (mm).
QImage painted(BarcodeKind kind, const QString& data, bool showText, const QRectF& box, int dpi = kPrintDpi)
{
    QImage image = test::whitePicture(QSizeF(60, 45), dpi);
    QPainter p(&image);
    test::useMillimetres(p, dpi);
    const bool drawn = paintBarcode(p, box, kind, data, showText, kInk);
    p.end();
    return drawn ? image : QImage();
}

QRectF boxFor(BarcodeKind kind) { return isLinear(kind) ? QRectF(5, 5, 50, 30) : QRectF(10, 5, 35, 35); }

/// The colours a picture uses.
std::set<QRgb> coloursOf(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        colours.insert(line, line + image.width());
    }
    return colours;
}

/// The bounding box of the pixels of one colour.
QRect inkBounds(const QImage& image, QColor colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour.rgb())
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QImage drawn(BarcodeKind kind, const QString& data, const QRectF& box, int dpi = 300)
{
    QImage image = test::whitePicture(box.size() + QSizeF(10, 10), dpi);
    QPainter painter(&image);
    test::useMillimetres(painter, dpi);
    return paintBarcode(painter, box, kind, data, true, Qt::black) ? image : QImage();
}

/// The narrowest run of dark pixels along the middle row of the ink.
int narrowestBar(const QImage& image, int row)
{
    int narrowest = image.width(), run = 0;
    for (int x = 0; x < image.width(); ++x) {
        const bool dark = qGray(image.pixel(x, row)) < 128;
        if (!dark && run > 0)
            narrowest = std::min(narrowest, run);
        run = dark ? run + 1 : 0;
    }
    return narrowest;
}

constexpr int kDpi = 300;
constexpr double kCardWidth = 85, kCardHeight = 55;
constexpr QPointF kLabelOnSheet(10, 10);  // mm from the paper's corner

/// A card with a text and a logo under one code of the kind.
void makeCard(Etiquette& tab, BarcodeKind kind, const QString& data, OleColor background = 0xFFFFFF)
{
    tab.NewProjet(QStringLiteral("Carte"), kCardWidth, kCardHeight, background, 0x808080, false, false, false);
    tab.NewLabel(3, 3);
    tab.NewLogo(49, 78);
    CodeObject code;
    code.Kind = kind;
    code.Data = data;
    code.Top = 8.3;
    code.Left = 6.7;
    code.Width = isLinear(kind) || kind == BarcodeKind::PDF417 ? 70 : 40;
    code.Height = 40;
    code.ForeColor = 0x400000;  // dark blue, as Windows colours are BGR
    tab.NewCode(code);
}

/// The colours of the pixels of the code's box of makeCard() at `dpi`.
QSet<QRgb> coloursOfCode(const QImage& card, int dpi, QPointF offset = {})
{
    const QRect area(qRound(test::pixelsOf(offset.x() + 6.7, dpi)), qRound(test::pixelsOf(offset.y() + 8.3, dpi)),
                     qRound(test::pixelsOf(40, dpi)), qRound(test::pixelsOf(40, dpi)));
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(card.pixel(x, y));
    return colours;
}

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

class TestBarcode : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

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

    void matrixCodesKeepTheEncodersOwnSquares_data()
    {
        QTest::addColumn<BarcodeKind>("kind");
        QTest::addColumn<int>("length");
        for (const BarcodeKind kind : {BarcodeKind::QR, BarcodeKind::DataMatrix, BarcodeKind::Aztec})
            for (const int length : {1, 40, 333, 1000})
                QTest::addRow("%s %d", qPrintable(barcodeKindName(kind)), length) << kind << length;
    }

    void matrixCodesKeepTheEncodersOwnSquares()
    {
        // The modules read off a matrix code's encoding against libzint's own drawing of
        // it, its quiet zone included, square by square.
        QFETCH(BarcodeKind, kind);
        QFETCH(int, length);
        QByteArray data;
        for (int i = 0; i < length; ++i)
            data += char('!' + (i * i * 7 + length) % 90);
        const BarcodeEncoding ours = encodeBarcode(kind, QString::fromLatin1(data), false);
        QVERIFY(ours.ok());
        const std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> own(ZBarcode_Create(), ZBarcode_Delete);
        own->symbology = kind == BarcodeKind::QR ? BARCODE_QRCODE
                         : kind == BarcodeKind::Aztec ? BARCODE_AZTEC : BARCODE_DATAMATRIX;
        own->input_mode = UNICODE_MODE;
        own->scale = 0.5f;
        own->output_options |= BARCODE_QUIET_ZONES;
        if (kind == BarcodeKind::QR)
            own->option_1 = 2;  // error correction M
        if (kind == BarcodeKind::DataMatrix)
            own->option_3 = DM_SQUARE;
        QVERIFY(ZBarcode_Encode_and_Buffer_Vector(own.get(), reinterpret_cast<const unsigned char*>(data.constData()),
                                                  int(data.size()), 0) < ZINT_ERROR);
        QCOMPARE(ours.symbol.size, QSizeF(own->vector->width, own->vector->height));
        const auto squares = [](const auto& rects) {
            std::set<std::pair<int, int>> cells;
            for (const QRectF& r : rects)
                for (int y = qRound(r.top()); y < qRound(r.bottom()); ++y)
                    for (int x = qRound(r.left()); x < qRound(r.right()); ++x)
                        cells.insert({x, y});
            return cells;
        };
        std::vector<QRectF> drawn;
        for (const zint_vector_rect* r = own->vector->rectangles; r; r = r->next)
            if (r->colour == -1)
                drawn.emplace_back(r->x, r->y, r->width, r->height);
        QVERIFY(squares(ours.symbol.modules) == squares(drawn));
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

    void aKeptEncodingIsDrawnWithoutEncodingAgain()
    {
        // A tab keeps each code's encoding: what it hands in is what is drawn.
        const BarcodeEncoding kept = encodeBarcode(BarcodeKind::QR, QStringLiteral("gardé"), false);
        QImage image = test::whitePicture(QSizeF(60, 45), kPrintDpi);
        QPainter p(&image);
        test::useMillimetres(p, kPrintDpi);
        QVERIFY(paintBarcode(p, boxFor(BarcodeKind::QR), BarcodeKind::QR, QStringLiteral("autre"), false, kInk, &kept));
        p.end();
        QCOMPARE(test::decodeBarcode(image, BarcodeKind::QR).text, QStringLiteral("gardé"));
    }

    void checkDigitIsAddedWhenLeftOut()
    {
        const QImage image = painted(BarcodeKind::EAN13, "590123412345", true, boxFor(BarcodeKind::EAN13));
        QCOMPARE(test::decodeBarcode(image, BarcodeKind::EAN13).text, QStringLiteral("5901234123457"));
    }

    void modulesAreWholePixels_data()
    {
        QTest::addColumn<BarcodeKind>("kind");
        QTest::addColumn<QRectF>("box");
        QTest::newRow("QR") << BarcodeKind::QR << QRectF(3.3, 2.7, 31.3, 33.1);
        QTest::newRow("Data Matrix") << BarcodeKind::DataMatrix << QRectF(1.1, 1.1, 17.7, 17.7);
        QTest::newRow("Code 128") << BarcodeKind::Code128 << QRectF(2.35, 4.15, 47.3, 21.9);
    }

    void modulesAreWholePixels()
    {
        // At 96 dpi and odd sizes no edge falls on a pixel boundary by chance: a
        // blurred module would leave a third colour.
        QFETCH(BarcodeKind, kind);
        QFETCH(QRectF, box);
        const QImage image = painted(kind, "PLK-42", false, box, 96);
        const std::set<QRgb> colours = coloursOf(image);
        QCOMPARE(colours, (std::set<QRgb>{QColor(Qt::white).rgb(), kInk.rgb()}));

        const QRectF device(box.topLeft() * 96 / 25.4, box.size() * 96 / 25.4);
        const BarcodePlacement placement = placeBarcode(kind, "PLK-42", false, device, true);
        QCOMPARE(placement.module, std::floor(placement.module));
        QVERIFY(placement.module >= 1);
        QCOMPARE(placement.origin, QPointF(std::round(placement.origin.x()), std::round(placement.origin.y())));
        // The largest whole module that fits, centred in the box.
        // Whole modules near what fits, centred on the box.
        const double fits = isLinear(kind) ? device.width() / placement.symbol.size.width()
                                           : std::min(device.width() / placement.symbol.size.width(),
                                                      device.height() / placement.symbol.size.height());
        QCOMPARE(placement.module, wholeModule(fits));
        QVERIFY(std::abs(placement.rect().center().x() - device.center().x()) <= 1);
        QVERIFY(inkBounds(image, kInk).intersects(device.toAlignedRect()));
    }

    void linearBarsFillTheBoxHeight()
    {
        const QRectF box(5, 5, 50, 30);
        const QImage image = painted(BarcodeKind::Code128, "ABC-123", false, box);
        const QRect ink = inkBounds(image, kInk);
        const double pxPerMm = kPrintDpi / 25.4;
        QVERIFY(std::abs(ink.top() - box.top() * pxPerMm) <= 1);
        QVERIFY(std::abs(ink.bottom() + 1 - box.bottom() * pxPerMm) <= 1);

        // With its text the bars make room for the line under them, inside the box.
        const QImage withText = painted(BarcodeKind::Code128, "ABC-123", true, box);
        const BarcodePlacement p = placeBarcode(BarcodeKind::Code128, "ABC-123", true,
                                                QRectF(box.topLeft() * pxPerMm, box.size() * pxPerMm), true);
        QVERIFY(p.symbol.barHeight < p.symbol.size.height() - 5);
        QVERIFY(std::abs(p.rect().height() - box.height() * pxPerMm) <= p.module);
        QVERIFY(coloursOf(withText).size() > 2);  // the text is drawn smoothly, the bars are not
    }

    void vectorDevicesFillTheBoxExactly()
    {
        const QRectF box(0, 0, 31.3, 40);
        const BarcodePlacement qr = placeBarcode(BarcodeKind::QR, "PLK", false, box, false);
        QCOMPARE(qr.rect().width(), 31.3);
        QCOMPARE(qr.rect().top(), (40 - 31.3) / 2);
        const BarcodePlacement ean = placeBarcode(BarcodeKind::EAN13, "5901234123457", true, box, false);
        QVERIFY(std::abs(ean.rect().width() - 31.3) < 1e-9);
        QVERIFY(std::abs(ean.rect().height() - 40) < 1e-4);  // libzint keeps heights in single precision

        // An SVG file keeps the code as shapes; drawn again at print resolution it reads back.
        QBuffer svg;
        QSvgGenerator generator;
        generator.setOutputDevice(&svg);
        generator.setViewBox(QRectF(0, 0, 60, 45));
        QPainter p(&generator);
        QVERIFY(paintBarcode(p, QRectF(5, 5, 50, 30), BarcodeKind::Code39, "SVG-42", true, kInk));
        p.end();
        QVERIFY(svg.data().contains("<path"));
        QVERIFY(!svg.data().contains("<image"));
        QImage image = test::whitePicture(QSizeF(60, 45), kPrintDpi);
        QPainter onImage(&image);
        QSvgRenderer(svg.data()).render(&onImage);
        onImage.end();
        QCOMPARE(test::decodeBarcode(image, BarcodeKind::Code39).text, QStringLiteral("SVG-42"));
    }

    void refusedDataDrawsNothing()
    {
        QImage image = test::whitePicture(QSizeF(60, 45), 96);
        QPainter p(&image);
        QVERIFY(!paintBarcode(p, QRectF(5, 5, 40, 20), BarcodeKind::EAN13, "12345", true, kInk));
        p.end();
        QCOMPARE(coloursOf(image).size(), std::size_t(1));
    }

    void farAwayCodesAreSkipped()
    {
        QImage image = test::whitePicture(QSizeF(60, 45), 96);
        QPainter p(&image);
        QVERIFY(paintBarcode(p, QRectF(1e7, 1e7, 40, 40), BarcodeKind::QR, "far", true, kInk));
        p.end();
        QCOMPARE(coloursOf(image).size(), std::size_t(1));
    }

    // Every kind reads back in the readers people use: zxing-cpp and, for the kinds it
    // knows, zbar. Text beyond ASCII goes as UTF-8 under ECI 26, which both read alike;
    // vCards (the helper's, the shipped template's) end their lines CR LF. Pictures keep
    // modules of whole pixels near the size asked.
    void bothReadersReadEveryKind_data()
    {
        QTest::addColumn<BarcodeKind>("kind");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("read");      // what zxing-cpp gives
        QTest::addColumn<QString>("zbarRead");  // what zbar gives; null where it cannot read the kind
        const auto row = [](const char* name, BarcodeKind k, const QString& d, const QString& r, const QString& z) {
            QTest::newRow(name) << k << d << r << z;
        };
        for (const char* s : {"Hélène", "Œuvre d'été", "Ça coûte 12 €", "« déjà » vu", "Łódź 日本語"})
            row(s, BarcodeKind::QR, QString::fromUtf8(s), QString::fromUtf8(s), QString::fromUtf8(s));
        const QString vCard = QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Dupré;Hélène;;;\r\nFN:Hélène Dupré\r\nEND:VCARD");
        row("vCard helper", BarcodeKind::QR, vCardData({"Hélène Dupré", {}, {}, {}, {}}), vCard, vCard);
        row("Data Matrix", BarcodeKind::DataMatrix, "Réf. 42 – 日本", "Réf. 42 – 日本", {});
        row("PDF417", BarcodeKind::PDF417, "Colis n° 7 – Ł", "Colis n° 7 – Ł", {});
        row("Aztec", BarcodeKind::Aztec, "Hélène 日本語", "Hélène 日本語", {});
        row("Code 39 full ASCII", BarcodeKind::Code39, "Plk *39* ok", "Plk *39* ok", {});
        row("Code 128 Latin-1", BarcodeKind::Code128, "Crème\tà 5 °C", "Crème\tà 5 °C", {});
        row("UPC-E", BarcodeKind::UPCE, "0123456", "01234565", "01234565");
        row("UPC-E with check digit", BarcodeKind::UPCE, "01234565", "01234565", "01234565");
        row("EAN-13 add-on", BarcodeKind::EAN13AddOn, "590123412345+12", "5901234123457 12", {});
        row("GS1-128", BarcodeKind::GS1128, "(01)09501101530003(17)250101", "]C1010950110153000317250101", {});
        row("GS1 DataMatrix", BarcodeKind::GS1DataMatrix, "(01)09501101530003(10)LOT7", "]d2010950110153000310LOT7", {});
        row("Codabar", BarcodeKind::Codabar, "12-34:56", "12-34:56", "A12-34:56B");
        row("Code 93", BarcodeKind::Code93, "PLK-93 OK", "PLK-93 OK", "PLK-93 OK");
        row("Interleaved 2 of 5", BarcodeKind::I2of5, "12345678", "12345678", "12345678");
    }

    void bothReadersReadEveryKind()
    {
        QFETCH(BarcodeKind, kind);
        QFETCH(QString, data);
        QFETCH(QString, read);
        QFETCH(QString, zbarRead);
        const QImage image = drawn(kind, data, isLinear(kind) ? QRectF(5, 5, 80, 30) : QRectF(5, 5, 40, 40));
        QVERIFY2(!image.isNull(), qPrintable(barcodeDataError(kind, data)));
        QCOMPARE(test::decodeBarcode(image, kind, true).text, read);
        if (!zbarRead.isNull())
            QCOMPARE(test::decodeWithZbar(image, kind).text, zbarRead);
    }

    void theShippedBusinessCardReadsInBothReaders()
    {
        Project project;
        const QString path = test::sourceFile("resources/templates/Carte de visite avec QR code 85 x 55 (2 x 5).gab");
        QVERIFY(readProjectFile(path, project, test::french()).ok());
        const QImage card = TabRenderer(project.tab(1)).picture(300);
        const QString expected = QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Nom;Prénom;;;\r\nFN:Prénom Nom\r\n"
                                                "TEL:01 23 45 67 89\r\nEMAIL:contact@exemple.fr\r\nEND:VCARD");
        QCOMPARE(test::decodeBarcode(card, BarcodeKind::QR).text, expected);
        QCOMPARE(test::decodeWithZbar(card, BarcodeKind::QR).text, expected);
    }

    void picturesKeepModulesNearTheSizeAsked_data()
    {
        QTest::addColumn<BarcodeKind>("kind");
        QTest::addColumn<QString>("data");
        QTest::addColumn<double>("modules");  // across, quiet zones included
        QTest::addColumn<int>("dpi");
        for (const int dpi : {96, 150, 300, 600}) {
            QTest::addRow("EAN-13 %d", dpi) << BarcodeKind::EAN13 << QStringLiteral("5901234123457") << 113.0 << dpi;
            QTest::addRow("QR %d", dpi) << BarcodeKind::QR << QStringLiteral("A") << 29.0 << dpi;
        }
    }

    void picturesKeepModulesNearTheSizeAsked()
    {
        QFETCH(BarcodeKind, kind);
        QFETCH(QString, data);
        QFETCH(double, modules);
        QFETCH(int, dpi);
        // Modules of 0.33 mm asked, an EAN-13 at its nominal size: never under 80 %,
        // nor a pixel or more away; a QR code stays centred.
        const QRectF box(5, 5, modules * 0.33, isLinear(kind) ? 20 : modules * 0.33);
        const QImage image = drawn(kind, data, box, dpi);
        const double asked = test::pixelsOf(0.33, dpi);
        const double centre = test::pixelsOf(box.center().y(), dpi);
        const int module = narrowestBar(image, int(centre));
        QVERIFY2(module >= 0.8 * asked && std::abs(module - asked) < 1, qPrintable(QString::number(module)));
        QCOMPARE(test::decodeBarcode(image, kind).text, data);
        if (!isLinear(kind)) {
            QRect ink;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    ink |= qGray(image.pixel(x, y)) < 128 ? QRect(x, y, 1, 1) : QRect();
            QVERIFY(std::abs(QRectF(ink).adjusted(0, 0, 1, 1).center().y() - centre) <= 1);
        }
    }

    // Codes on a tab come out readable wherever the tab goes: a scanner reads back exactly
    // the data entered from the tab's snapshot at 300 dpi and from a printed PDF page
    // rasterised at 300 dpi, for every kind; the PDF and SVG export pages as well. On paper
    // a two-dimensional code is the picture of its modules, stored once for every label.
    void everyKind_data()
    {
        QTest::addColumn<BarcodeKind>("kind");
        QTest::addColumn<QString>("data");
        QTest::newRow("QR") << BarcodeKind::QR
                            << QStringLiteral("Zoé Lefèvre – Créations\nTél. 01 23 45 67 89\n« ça marche » 12 €");
        QTest::newRow("Data Matrix") << BarcodeKind::DataMatrix << QStringLiteral("Réf. 42\nLot été");
        QTest::newRow("PDF417") << BarcodeKind::PDF417 << QStringLiteral("Colis n° 7 | fragile");
        QTest::newRow("EAN-13") << BarcodeKind::EAN13 << QStringLiteral("3017620422003");
        QTest::newRow("EAN-8") << BarcodeKind::EAN8 << QStringLiteral("40170725");
        QTest::newRow("UPC-A") << BarcodeKind::UPCA << QStringLiteral("042100005264");
        QTest::newRow("Code 128") << BarcodeKind::Code128 << QStringLiteral("COLIS 2026/12-07 #7");
        QTest::newRow("Code 39") << BarcodeKind::Code39 << QStringLiteral("PLK-39 A/B");
        QTest::newRow("ITF-14") << BarcodeKind::ITF14 << QStringLiteral("10012345000017");
    }

    void everyKind()
    {
        QFETCH(BarcodeKind, kind);
        QFETCH(QString, data);
        QVERIFY2(barcodeDataError(kind, data).isEmpty(), qPrintable(barcodeDataError(kind, data)));
        Etiquette tab;
        makeCard(tab, kind, data);

        const QImage snapshot = TabRenderer(tab).picture(kDpi);
        QCOMPARE(snapshot.width(), qRound(test::pixelsOf(kCardWidth, kDpi)));
        const test::Decoded fromSnapshot = test::decodeBarcode(snapshot, kind);
        QVERIFY2(fromSnapshot.found, "snapshot");
        QCOMPARE(fromSnapshot.text, data);

        tab.setResolution(printQualities()[3].code);
        LayoutValues values;
        values.ImpPosX = std::int16_t(kLabelOnSheet.x());
        values.ImpPosY = std::int16_t(kLabelOnSheet.y());
        const QString pdf = m_dir.filePath(barcodeKindName(kind) + ".pdf");
        QVERIFY(printSheetsToPdf(tab, values, pdf).isEmpty());
        const QImage page = test::rasteriseArea(pdf, 1, kDpi, QRectF(kLabelOnSheet, QSizeF(kCardWidth, kCardHeight)));
        QVERIFY(!page.isNull());
        const test::Decoded fromPdf = test::decodeBarcode(page, kind);
        QVERIFY2(fromPdf.found, "PDF page");
        QCOMPARE(fromPdf.text, data);

        // On transfer paper the whole card is mirrored, its code with it: turned back, the
        // mirrored card is the card (a pixel of the edges aside; a code left unmirrored
        // would differ over half its area).
        PrintSettings settings = tab.print();
        settings.options = PrintOptions();
        settings.options->mirror = true;
        tab.setPrint(settings);
        QVERIFY(printSheetsToPdf(tab, values, pdf).isEmpty());
        const QImage mirrored =
            test::rasteriseArea(pdf, 1, kDpi, QRectF(QPointF(210 - kLabelOnSheet.x() - kCardWidth, kLabelOnSheet.y()),
                                                     QSizeF(kCardWidth, kCardHeight)))
                .mirrored(true, false);
        QCOMPARE(mirrored.size(), page.size());
        qsizetype differing = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                differing += std::abs(qGray(page.pixel(x, y)) - qGray(mirrored.pixel(x, y))) > 128;
        QVERIFY2(differing < page.width() * page.height() / 50, qPrintable(QString::number(differing)));
    }

    void codesAreCrispInTheSnapshotAndStoredOnceInThePdf()
    {
        const QString data = QStringLiteral("https://www.exemple.fr");
        const QRgb cream = qRgb(0xFF, 0xF0, 0xD0), ink = qRgb(0, 0, 0x40);
        Etiquette tab;
        makeCard(tab, BarcodeKind::QR, data, 0xD0F0FF);
        // Two colours only where the code is: its ink and the card, no blurred edge.
        QCOMPARE(coloursOfCode(TabRenderer(tab).picture(kDpi), kDpi), QSet<QRgb>({cream, ink}));

        // On paper the code is one picture of its modules placed on every label, never
        // smoothed: even printed at 35 dpi it is as sharp at 600 dpi, in its ink on the card.
        tab.setResolution(printQualities()[0].code);
        LayoutValues values;
        values.ImpNbrH = values.ImpNbrV = 2;
        const QString pdf = m_dir.filePath("picture.pdf");
        QVERIFY(printSheetsToPdf(tab, values, pdf).isEmpty());
        constexpr int kFine = 600;
        for (const QPointF label : {QPointF(0, 0), QPointF(kCardWidth, kCardHeight)}) {
            const QImage card = test::rasteriseArea(pdf, 1, kFine, QRectF(label, QSizeF(kCardWidth, kCardHeight)));
            QCOMPARE(coloursOfCode(card, kFine), QSet<QRgb>({cream, ink}));
            QCOMPARE(test::decodeBarcode(card, BarcodeKind::QR).text, data);
            QCOMPARE(test::decodeWithZbar(card, BarcodeKind::QR).text, data);
        }
        const QList<test::PdfImage> images = test::pdfImages(pdf);
        tab.objectClick(Etiquette::ObjectKind::Code, 1);
        tab.deleteSelected();
        const QString without = m_dir.filePath("without.pdf");
        QVERIFY(printSheetsToPdf(tab, values, without).isEmpty());
        const QList<test::PdfImage> others = test::pdfImages(without);
        QCOMPARE(images.size(), others.size() + 4 * 2);  // the code's colour and its mask on each label
        const auto stored = [](const QList<test::PdfImage>& list) {
            QSet<int> objects;
            for (const test::PdfImage& image : list)
                objects.insert(image.interpolated ? -1 : image.object);
            return objects;
        };
        QVERIFY(!stored(images).contains(-1));
        QCOMPARE(stored(images).size(), stored(others).size() + 1);
    }

    void codesCarryEachRowsValues()
    {
        // Fields in a code's data take the row's values, in the snapshot and on paper.
        const DataTable table = readDataBytes(QByteArrayLiteral("Nom;Ref\r\nZoé Lefèvre;A-17\r\nJean Dupré;B-42\r\n"),
                                              QStringLiteral("codes.csv"))
                                    .table;
        QCOMPARE(table.rowCount(), 2);
        Etiquette tab;
        makeCard(tab, BarcodeKind::QR, QStringLiteral("«Nom»\nRéf. «Ref» – 12 €"));
        const TabRenderer renderer(tab);
        QCOMPARE(test::decodeBarcode(renderer.picture(kDpi), BarcodeKind::QR).text, QStringLiteral("«Nom»\nRéf. «Ref» – 12 €"));
        QCOMPARE(test::decodeBarcode(renderer.picture(kDpi, false, RowValues(&table, 1)), BarcodeKind::QR).text,
                 QStringLiteral("Jean Dupré\nRéf. B-42 – 12 €"));

        tab.setResolution(printQualities()[3].code);
        LayoutValues values;
        values.ImpNbrH = 1;
        values.ImpNbrV = 2;
        const QString pdf = m_dir.filePath(QStringLiteral("rows.pdf"));
        QVERIFY(printSheetsToPdf(tab, values, pdf, &table).isEmpty());
        const QStringList expected{QStringLiteral("Zoé Lefèvre\nRéf. A-17 – 12 €"), QStringLiteral("Jean Dupré\nRéf. B-42 – 12 €")};
        for (int row = 0; row < 2; ++row) {
            const QRectF label(QPointF(0, row * kCardHeight), QSizeF(kCardWidth, kCardHeight));
            const QImage page = test::rasteriseArea(pdf, 1, kDpi, label);
            QCOMPARE(test::decodeBarcode(page, BarcodeKind::QR).text, expected[row]);
        }
    }

    void exportedPagesReadBack_data()
    {
        QTest::addColumn<BarcodeKind>("kind");
        QTest::addColumn<QString>("data");
        QTest::newRow("QR") << BarcodeKind::QR << QStringLiteral("Ligne 1\nLigne 2 : été");
        QTest::newRow("Code 128") << BarcodeKind::Code128 << QStringLiteral("EXPORT-128");
        QTest::newRow("EAN-13") << BarcodeKind::EAN13 << QStringLiteral("3017620422003");
    }

    void exportedPagesReadBack()
    {
        QFETCH(BarcodeKind, kind);
        QFETCH(QString, data);
        Etiquette tab;
        makeCard(tab, kind, data);
        const QString pdf = m_dir.filePath(QStringLiteral("export.pdf"));
        QVERIFY(writeTabDocument(tab, DocumentFormat::Pdf, pdf, ExportSettings()).isEmpty());
        const QImage page = test::rasteriseArea(pdf, 1, kDpi, QRectF(0, 0, kCardWidth, kCardHeight));
        QCOMPARE(test::decodeBarcode(page, kind).text, data);

        const QString svg = m_dir.filePath(QStringLiteral("export.svg"));
        QVERIFY(writeTabDocument(tab, DocumentFormat::Svg, svg, ExportSettings()).isEmpty());
        QImage drawn = test::whitePicture(QSizeF(kCardWidth, kCardHeight), kDpi);
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QPainter painter(&drawn);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(drawn.size())));
        painter.end();
        QCOMPARE(test::decodeBarcode(drawn, kind).text, data);
    }

    // Field markers in codes of every kind: the file keeps them, the canvas shows them in a
    // hatched frame until a row is shown, and rows whose values a code cannot carry are
    // listed (row, field, reason) before an output, which stops unless the user leaves
    // those labels out.
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

PLK_TEST_CLASS(TestBarcode)
#include "tst_Barcode.moc"
