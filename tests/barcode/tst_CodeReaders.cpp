// Every kind reads back in the readers people use: zxing-cpp and, for the kinds it
// knows, zbar. Text beyond ASCII in the two-dimensional kinds goes as UTF-8 under
// ECI 26, which both read alike; the shipped business-card template and the vCard
// helper give vCards with CR LF line ends.

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

constexpr int kDpi = 300;

QImage drawn(BarcodeKind kind, const QString& data)
{
    const QSizeF size = isLinear(kind) ? QSizeF(80, 30) : QSizeF(40, 40);
    QImage image = test::whitePicture(size + QSizeF(10, 10), kDpi);
    QPainter painter(&image);
    test::useMillimetres(painter, kDpi);
    const bool painted = paintBarcode(painter, QRectF(QPointF(5, 5), size), kind, data, true, Qt::black);
    return painted ? image : QImage();
}

/// The narrowest run of dark pixels along the middle row of the dark area, and that area.
std::pair<int, QRect> narrowestBar(const QImage& image)
{
    QRect dark;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                dark |= QRect(x, y, 1, 1);
    int narrowest = image.width();
    int run = 0;
    for (int x = dark.left(); x <= dark.right() + 1; ++x) {
        if (x <= dark.right() && qGray(image.pixel(x, dark.center().y())) < 128) {
            ++run;
        } else if (run > 0) {
            narrowest = std::min(narrowest, run);
            run = 0;
        }
    }
    return {narrowest, dark};
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
        QTest::addColumn<QString>("zbarRead");  // what zbar gives; null where it cannot tell
        const auto row = [](const char* name, BarcodeKind k, const QString& d, const QString& r, const QString& z) {
            QTest::newRow(name) << k << d << r << z;
        };
        const QStringList french{"Hélène", "Prénom", "Œuvre d'été", "Ça coûte 12 €", "Noël à l'hôpital",
                                 "garçon", "« déjà » vu", "Łódź 日本語"};
        for (const QString& s : french)
            row(qPrintable("QR " + s), BarcodeKind::QR, s, s, s);
        row("Data Matrix", BarcodeKind::DataMatrix, "Réf. 42 – 日本", "Réf. 42 – 日本", {});
        row("PDF417", BarcodeKind::PDF417, "Colis n° 7 – Ł", "Colis n° 7 – Ł", {});
        row("Aztec", BarcodeKind::Aztec, "Hélène 日本語", "Hélène 日本語", {});
        row("Code 39 full ASCII", BarcodeKind::Code39, "Plk *39* ok", "Plk *39* ok", {});
        row("Code 128 Latin-1", BarcodeKind::Code128, "Crème\tà 5 °C", "Crème\tà 5 °C", {});
        row("UPC-E", BarcodeKind::UPCE, "0123456", "01234565", "01234565");
        row("UPC-E with check digit", BarcodeKind::UPCE, "01234565", "01234565", "01234565");
        row("EAN-13 add-on", BarcodeKind::EAN13AddOn, "590123412345+12", "5901234123457 12", {});
        row("GS1-128", BarcodeKind::GS1128, "(01)09501101530003(17)250101", "]C1010950110153000317250101", {});
        row("GS1 DataMatrix", BarcodeKind::GS1DataMatrix, "(01)09501101530003(10)LOT7",
            "]d2010950110153000310LOT7", {});
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
        const QImage image = drawn(kind, data);
        QVERIFY2(!image.isNull(), qPrintable(barcodeDataError(kind, data)));
        QCOMPARE(test::decodeBarcode(image, kind, true).text, read);
        if (!zbarRead.isNull())
            QCOMPARE(test::decodeWithZbar(image, kind).text, zbarRead);
    }

    void picturesKeepModulesNearTheSizeAsked_data()
    {
        QTest::addColumn<BarcodeKind>("kind");
        QTest::addColumn<QString>("data");
        QTest::addColumn<double>("modulesWide");  // quiet zones included
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
        QFETCH(double, modulesWide);
        QFETCH(int, dpi);
        // A module of 0.33 mm asked, as GS1 makes an EAN-13 at its nominal size.
        const QRectF box(5, 5, modulesWide * 0.33, isLinear(kind) ? 20 : modulesWide * 0.33);
        QImage image = test::whitePicture(box.size() + QSizeF(10, 10), dpi);
        QPainter painter(&image);
        test::useMillimetres(painter, dpi);
        QVERIFY(paintBarcode(painter, box, kind, data, false, Qt::black));
        painter.end();
        const double asked = test::pixelsOf(0.33, dpi);
        const auto [module, dark] = narrowestBar(image);
        QVERIFY2(module >= asked - 1 && module >= 0.8 * asked && module < asked + 1,
                 qPrintable(QStringLiteral("%1 px for %2").arg(module).arg(asked)));
        QCOMPARE(test::decodeBarcode(image, kind).text, data);
        if (!isLinear(kind)) {
            const QPointF centre = QRectF(test::pixelsOf(box.left(), dpi), test::pixelsOf(box.top(), dpi),
                                          test::pixelsOf(box.width(), dpi), test::pixelsOf(box.height(), dpi)).center();
            QVERIFY(std::abs(QRectF(dark).adjusted(0, 0, 1, 1).center().x() - centre.x()) <= 1);
            QVERIFY(std::abs(QRectF(dark).adjusted(0, 0, 1, 1).center().y() - centre.y()) <= 1);
        }
    }

    void vCardsEndTheirLinesWithCrLf()
    {
        const QString data = vCardData({"Hélène Dupré", "Plakatorium", "01 23", "h@exemple.fr", {}});
        const QString expected = QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Dupré;Hélène;;;\r\nFN:Hélène Dupré\r\n"
                                                "ORG:Plakatorium\r\nTEL:01 23\r\nEMAIL:h@exemple.fr\r\nEND:VCARD");
        const QImage image = drawn(BarcodeKind::QR, data);
        QCOMPARE(test::decodeBarcode(image, BarcodeKind::QR).text, expected);
        QCOMPARE(test::decodeWithZbar(image, BarcodeKind::QR).text, expected);
    }

    void theShippedBusinessCardReadsInBothReaders()
    {
        Project project;
        const QString path = test::sourceFile("resources/templates/Carte de visite avec QR code 85 x 55 (2 x 5).gab");
        QVERIFY(readProjectFile(path, project, test::french()).ok());
        const QImage card = TabRenderer(project.tab(1)).picture(kDpi);
        const QString expected = QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Nom;Prénom;;;\r\nFN:Prénom Nom\r\n"
                                                "TEL:01 23 45 67 89\r\nEMAIL:contact@exemple.fr\r\nEND:VCARD");
        QCOMPARE(test::decodeBarcode(card, BarcodeKind::QR).text, expected);
        QCOMPARE(test::decodeWithZbar(card, BarcodeKind::QR).text, expected);
    }
};

QTEST_MAIN(TestCodeReaders)
#include "tst_CodeReaders.moc"
