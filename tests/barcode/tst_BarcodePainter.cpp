#include "barcode/BarcodeDecoding.h"
#include "barcode/core/BarcodePainter.h"
#include "support/TestRegistry.h"

#include <QBuffer>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QtTest>
#include <cmath>
#include <set>

using namespace plk;

Q_DECLARE_METATYPE(plk::BarcodeKind)

namespace {

constexpr int kPrintDpi = 300;
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

}  // namespace

class TestBarcodePainter : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
};

PLK_TEST_CLASS(TestBarcodePainter)
#include "tst_BarcodePainter.moc"
