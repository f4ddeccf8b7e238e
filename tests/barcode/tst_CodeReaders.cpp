// Every kind reads back in the readers people use: zxing-cpp and, for the kinds it
// knows, zbar. Text beyond ASCII goes as UTF-8 under ECI 26, which both read alike;
// vCards (the helper's, the shipped template's) end their lines CR LF. Pictures keep
// modules of whole pixels near the size asked.

#include "barcode/BarcodeDecoding.h"
#include "barcode/core/BarcodePainter.h"
#include "barcode/core/VCard.h"
#include "canvas/core/TabRenderer.h"
#include "document/core/Project.h"
#include "document/core/ProjectFile.h"
#include "support/PdfProbe.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace plk;

Q_DECLARE_METATYPE(plk::BarcodeKind)

namespace {

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

}  // namespace

class TestCodeReaders : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::initFonts(); }

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
};

QTEST_MAIN(TestCodeReaders)
#include "tst_CodeReaders.moc"

