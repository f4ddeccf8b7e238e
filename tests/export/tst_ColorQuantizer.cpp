#include "ExportPictures.h"
#include "export/core/ColorQuantizer.h"
#include "support/TestRegistry.h"

#include <QSet>
#include <QtTest>

using namespace plk;

namespace {

QImage toImage(const IndexedPicture& p)
{
    QImage image(p.width, p.height, QImage::Format_RGB32);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            image.setPixel(x, y, p.palette[p.pixels[std::size_t(y * p.width + x)]]);
    return image;
}

}  // namespace

class tst_ColorQuantizer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fewColoursStayExact()
    {
        QImage image(64, 16, QImage::Format_RGB32);
        for (int x = 0; x < 64; ++x)
            for (int y = 0; y < 16; ++y)
                image.setPixel(x, y, qRgb(x * 4, (y % 4) * 80, 7));  // 64 x 4 = 256 colours
        const IndexedPicture p = ColorQuantizer().quantize(image);
        QCOMPARE(int(p.palette.size()), 256);
        QCOMPARE(toImage(p), image);
    }

    void manyColoursGetAFullPalette()
    {
        const QImage label = test::labelPicture();
        const IndexedPicture p = ColorQuantizer().quantize(label);
        QCOMPARE(p.width, label.width());
        QCOMPARE(p.height, label.height());
        QCOMPARE(int(p.palette.size()), 256);
        QSet<QRgb> distinct(p.palette.begin(), p.palette.end());
        QVERIFY(distinct.size() > 200);
        // The flat bar and square keep their own colours exactly.
        const QImage back = toImage(p);
        QCOMPARE(back.pixel(100, 160), qRgb(20, 20, 30));
        QCOMPARE(back.pixel(300, 50), qRgb(255, 255, 255));
    }

    void ditheringSmoothsTheGradient()
    {
        const QImage label = test::labelPicture();
        const QImage plain = toImage(ColorQuantizer(ColorQuantizer::Dithering::None).quantize(label));
        const QImage dithered = toImage(ColorQuantizer().quantize(label));
        // Pixel by pixel both are close; seen from a little way off, dithering is closer.
        QVERIFY(test::compare(plain, label).max <= 24);
        const double plainBlur = test::compare(plain, label, 2).mean;
        const double ditheredBlur = test::compare(dithered, label, 2).mean;
        QVERIFY2(ditheredBlur < plainBlur, qPrintable(QStringLiteral("%1 %2").arg(ditheredBlur).arg(plainBlur)));
    }
};

PLK_TEST_CLASS(tst_ColorQuantizer)
#include "tst_ColorQuantizer.moc"
