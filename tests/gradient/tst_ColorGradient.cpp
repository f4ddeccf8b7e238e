#include "canvas/core/ImageSurface.h"
#include "gradient/core/ColorGradient.h"
#include "support/TestRegistry.h"

#include <QtTest>
#include <cstdlib>

using namespace plk;

namespace {

constexpr OleColor kRed = 0x0000FF;
constexpr OleColor kGreen = 0x00FF00;
constexpr OleColor kBlue = 0xFF0000;
const QColor kUnpainted(255, 0, 255);  // a colour no red-to-blue gradient contains

QColor rgb(int r, int g, int b) { return QColor(r, g, b); }
QColor colourOf(OleColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QColor pixel(const ImageSurface& s, int x, int y) { return QColor(s.image().pixel(x, y)); }

int distance(const QColor& a, const QColor& b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

ImageSurface paint(const ColorGradient& g, int direction, QSize size = QSize(80, 40))
{
    ImageSurface s(size);
    s.clear(kUnpainted);
    s.setScaleMode(Surface::ScaleMode::Twips);
    g.PaintObject(s, direction);
    return s;
}

ColorGradient redToBlue()
{
    ColorGradient g;
    g.SetColor(0, kRed);
    g.SetColor(10, kBlue);
    return g;
}

/// The painter as its documentation describes it, drawn the slow way on a surface of
/// 15 twips a pixel: every line of the sweep in loop order, each putting in every row
/// (or column) the one pixel it passes through, later lines over earlier ones; for the
/// radial direction, filled circles from the largest down, each covering the pixels
/// whose centre it holds and the pixel its own centre lies in. Pixels that nothing
/// reaches keep kUnpainted.
QImage referencePainting(const ColorGradient& g, int direction, QSize size)
{
    QImage out(size, QImage::Format_RGB32);
    out.fill(kUnpainted);
    const int wPx = size.width(), hPx = size.height();
    const int half = int(std::nearbyint(hPx / 2.0));  // halves to even
    const auto put = [&out](int x, int y, QRgb c) {
        if (out.rect().contains(x, y))
            out.setPixel(x, y, c);
    };
    const auto colour = [&g](float pct) { return colourOf(g.ColorAt(pct)).rgb(); };
    const auto forward = [](int i, int n) { return float(i) / float(n) * 100.0f; };
    const auto backward = [](int i, int n) { return 100.0f - float(i) / float(n) * 100.0f; };
    // A line from column x1 in the top row to column x2 in row hPx (just below the
    // last): in row y it passes column x1 + (x2 - x1) * y / hPx, rounded.
    const auto slanted = [&](int x1, int x2, QRgb c) {
        for (int y = 0; y < hPx; ++y)
            put(int(std::floor(x1 + double(x2 - x1) * y / hPx + 0.5)), y, c);
    };
    const auto row = [&](int i, QRgb c) {
        for (int x = 0; x < wPx; ++x)
            put(x, i, c);
    };
    switch (direction) {
    case 0:
        for (int i = -half; i <= wPx + half; ++i)
            slanted(i + half, i - half, colour(forward(i, wPx)));
        break;
    case 1:
        for (int i = 0; i <= hPx; ++i)
            row(i, colour(forward(i, hPx)));
        break;
    case 2:
        for (int i = wPx + half; i >= -half; --i)
            slanted(i - half, i + half, colour(backward(i, wPx)));
        break;
    case 3:
        for (int i = wPx; i >= 0; --i)
            slanted(i, i, colour(backward(i, wPx)));
        break;
    case 4:
        for (int i = wPx + half; i >= -half; --i)
            slanted(i + half, i - half, colour(backward(i, wPx)));
        break;
    case 5:
        for (int i = hPx; i >= 0; --i)
            row(i, colour(backward(i, hPx)));
        break;
    case 6:
        for (int i = -half; i <= wPx + half; ++i)
            slanted(i - half, i + half, colour(forward(i, wPx)));
        break;
    case 7:
        for (int i = 0; i <= wPx; ++i)
            slanted(i, i, colour(forward(i, wPx)));
        break;
    case 8: {
        const double cx = std::nearbyint(wPx * 15 / 2.0), cy = std::nearbyint(hPx * 15 / 2.0);
        const double r = std::nearbyint(std::sqrt(cx * cx + cy * cy));
        const float step = -float(r) / 200.0f;
        for (float k = float(r); k >= 0.0f; k += step)
            for (int y = 0; y < hPx; ++y)
                for (int x = 0; x < wPx; ++x)
                    if (std::sqrt(((x + 0.5) * 15 - cx) * ((x + 0.5) * 15 - cx) + ((y + 0.5) * 15 - cy) * ((y + 0.5) * 15 - cy)) <= k ||
                        (x == int(cx / 15) && y == int(cy / 15)))
                        put(x, y, colour(k / float(r) * 100.0f));
        break;
    }
    default: break;
    }
    return out;
}

int unpaintedPixels(const ImageSurface& s)
{
    int n = 0;
    for (int y = 0; y < s.image().height(); ++y)
        for (int x = 0; x < s.image().width(); ++x)
            n += pixel(s, x, y) == kUnpainted;
    return n;
}

}  // namespace

class tst_ColorGradient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void freshPainterIsBlackToWhite()
    {
        const ColorGradient g;
        const int grey[11] = {0, 26, 51, 76, 102, 128, 153, 178, 204, 230, 255};
        for (std::int16_t i = 0; i <= 10; ++i)
            QCOMPARE(g.GetColor(i), rgbColor(grey[i], grey[i], grey[i]));
        QVERIFY(g.isSet(0) && g.isSet(10) && !g.isSet(5));

        // 100 columns: column x shows the gradient at x %.
        const ImageSurface s = paint(g, 7, QSize(100, 10));
        QCOMPARE(pixel(s, 0, 5), rgb(0, 0, 0));
        QCOMPARE(pixel(s, 25, 0), rgb(64, 64, 64));     // halfway between stops 2 and 3
        QCOMPARE(pixel(s, 50, 9), rgb(128, 128, 128));  // stop 5
        QCOMPARE(pixel(s, 99, 5), rgb(252, 252, 252));  // 90 % of the way from stop 9 to stop 10
        for (int x = 1; x < 100; ++x)
            QVERIFY(pixel(s, x, 3).red() >= pixel(s, x - 1, 3).red());
    }

    void threeStopsBlendBetweenTheirNeighbours()
    {
        ColorGradient g;
        g.SetColor(0, kRed);
        g.SetColor(5, kGreen);
        g.SetColor(10, kBlue);
        QCOMPARE(g.GetColor(1), rgbColor(204, 51, 0));
        QCOMPARE(g.GetColor(2), rgbColor(153, 102, 0));
        QCOMPARE(g.GetColor(3), rgbColor(102, 153, 0));
        QCOMPARE(g.GetColor(4), rgbColor(51, 204, 0));
        QCOMPARE(g.GetColor(5), kGreen);
        QCOMPARE(g.GetColor(7), rgbColor(0, 153, 102));
        QVERIFY(g.isSet(5) && !g.isSet(4));

        // A negative colour releases the middle stop: a plain red-to-blue ramp again.
        g.SetColor(5, -1);
        QVERIFY(!g.isSet(5));
        QCOMPARE(g.GetColor(5), rgbColor(128, 0, 128));
        QCOMPARE(g.GetColor(2), rgbColor(204, 0, 51));

        g.SetColor(5, kGreen);
        g.UnSetColor(5);
        QCOMPARE(g.GetColor(5), rgbColor(128, 0, 128));
    }

    void stopsThreeApartSitAtThirds()
    {
        ColorGradient g;
        g.SetColor(0, kRed);
        g.SetColor(3, kBlue);
        g.SetColor(10, kGreen);
        // 33 % and 67 %, not the exact thirds (which would give 170 and 85).
        QCOMPARE(g.GetColor(1), rgbColor(171, 0, 84));
        QCOMPARE(g.GetColor(2), rgbColor(84, 0, 171));
        QCOMPARE(g.GetColor(4), rgbColor(0, 36, 219));
    }

    void endStopsStaySet()
    {
        ColorGradient g = redToBlue();
        g.UnSetColor(0);
        g.UnSetColor(10);
        // A system colour is negative: it would release the stop, which the ends refuse.
        g.SetColor(0, kColorWindowBackground);
        g.SetColor(10, -1);
        QCOMPARE(g.GetColor(0), kRed);
        QCOMPARE(g.GetColor(10), kBlue);
        QVERIFY(g.isSet(0) && g.isSet(10));
        QCOMPARE(g.GetColor(5), rgbColor(128, 0, 128));
    }

    void indicesOutsideTheStopsAreIgnored()
    {
        ColorGradient g = redToBlue();
        g.SetColor(11, kGreen);
        g.SetColor(-1, kGreen);
        g.UnSetColor(11);
        g.SetColorRGB(12, 1, 2, 3);
        QCOMPARE(g.GetColor(11), 0);
        QCOMPARE(g.GetColor(-1), 0);
        for (std::int16_t i = 0; i <= 10; ++i)
            QCOMPARE(g.GetColor(i), redToBlue().GetColor(i));
    }

    void setColorRgbPacksRedInTheLowByte()
    {
        ColorGradient g;
        g.SetColorRGB(5, 1, 2, 3);
        QCOMPARE(g.GetColor(5), OleColor(0x030201));
        // Out-of-byte channels are held to 0..255 instead of spilling over.
        g.SetColorRGB(5, 300, -4, 0);
        QCOMPARE(g.GetColor(5), OleColor(0x0000FF));
        QVERIFY(g.isSet(5));
    }

    void colorAtClampsAndFindsItsSegment()
    {
        ColorGradient g;
        g.SetColor(0, kRed);
        g.SetColor(5, kGreen);
        g.SetColor(10, kBlue);
        QCOMPARE(g.ColorAt(100.0f), kBlue);
        QCOMPARE(g.ColorAt(250.0f), kBlue);
        QCOMPARE(g.ColorAt(-5.0f), kRed);
        QCOMPARE(g.ColorAt(0.0f), kRed);
        QCOMPARE(g.ColorAt(50.0f), kGreen);
        QCOMPARE(g.ColorAt(30.0f), g.GetColor(3));
        QCOMPARE(g.ColorAt(35.0f), rgbColor(76, 178, 0));  // halfway from stop 3 to stop 4
        QCOMPARE(g.ColorAt(std::nanf("")), kRed);
    }

    void linearDirectionsStartWhereTheyShould_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QPoint>("start");  // the pixel that gets stop 0
        QTest::addColumn<QPoint>("end");    // the pixel that gets stop 10 (or nearly)
        QTest::newRow("0 top-left") << 0 << QPoint(0, 0) << QPoint(79, 39);
        QTest::newRow("1 top") << 1 << QPoint(40, 0) << QPoint(40, 39);
        QTest::newRow("2 top-right") << 2 << QPoint(79, 0) << QPoint(0, 39);
        QTest::newRow("3 right") << 3 << QPoint(79, 20) << QPoint(0, 20);
        QTest::newRow("4 bottom-right") << 4 << QPoint(79, 39) << QPoint(0, 0);
        QTest::newRow("5 bottom") << 5 << QPoint(40, 39) << QPoint(40, 0);
        QTest::newRow("6 bottom-left") << 6 << QPoint(0, 39) << QPoint(79, 0);
        QTest::newRow("7 left") << 7 << QPoint(0, 20) << QPoint(79, 20);
    }

    void linearDirectionsStartWhereTheyShould()
    {
        QFETCH(int, direction);
        QFETCH(QPoint, start);
        QFETCH(QPoint, end);
        const ImageSurface s = paint(redToBlue(), direction);

        QCOMPARE(unpaintedPixels(s), 0);
        // Straight sweeps end one pixel short of 100 %, reversed ones start one pixel past 0 %.
        QVERIFY2(distance(pixel(s, start.x(), start.y()), colourOf(kRed)) <= 8,
                 qPrintable(pixel(s, start.x(), start.y()).name()));
        QVERIFY2(distance(pixel(s, end.x(), end.y()), colourOf(kBlue)) <= 8,
                 qPrintable(pixel(s, end.x(), end.y()).name()));

        // Red fades and blue grows all along the way from start to end.
        QColor previous = pixel(s, start.x(), start.y());
        for (int t = 1; t <= 40; ++t) {
            const QPoint p = start + (end - start) * (t / 40.0);
            const QColor here = pixel(s, p.x(), p.y());
            QVERIFY2(here.red() <= previous.red() && here.blue() >= previous.blue(),
                     qPrintable(QStringLiteral("at %1,%2").arg(p.x()).arg(p.y())));
            previous = here;
        }
    }

    void forwardSweepsStartExactlyOnStopZero()
    {
        const ColorGradient g = redToBlue();
        QCOMPARE(pixel(paint(g, 7), 0, 17), colourOf(kRed));
        QCOMPARE(pixel(paint(g, 1), 33, 0), colourOf(kRed));
        QCOMPARE(pixel(paint(g, 6), 0, 39), colourOf(kRed));
        // The reversed sweeps start one pixel outside: their first pixel is 1/80 along.
        QCOMPARE(pixel(paint(g, 3), 79, 17), rgb(252, 0, 3));
    }

    void diagonalsReachTheOppositeCornerExactly_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QPoint>("end");
        QTest::addColumn<QPoint>("otherCorner");
        QTest::newRow("0") << 0 << QPoint(79, 39) << QPoint(79, 0);
        QTest::newRow("2") << 2 << QPoint(0, 39) << QPoint(0, 0);
        QTest::newRow("4") << 4 << QPoint(0, 0) << QPoint(0, 39);
        QTest::newRow("6") << 6 << QPoint(79, 0) << QPoint(0, 0);
    }

    void diagonalsReachTheOppositeCornerExactly()
    {
        QFETCH(int, direction);
        QFETCH(QPoint, end);
        QFETCH(QPoint, otherCorner);
        const ImageSurface s = paint(redToBlue(), direction);
        // The lines run beyond the edges, so the far corner is past 100 %.
        QCOMPARE(pixel(s, end.x(), end.y()), colourOf(kBlue));
        // The two other corners lie partway.
        const QColor c = pixel(s, otherCorner.x(), otherCorner.y());
        QVERIFY2(c.red() > 30 && c.red() < 225, qPrintable(c.name()));
    }

    void everyPixelShowsItsLineOrCircle_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QSize>("size");
        // Even and odd widths and heights, a card's canvas, and the smallest surfaces.
        const QList<QSize> sizes{{80, 40}, {81, 41}, {50, 51}, {189, 189}, {321, 208}, {7, 3}, {2, 2}, {1, 1}};
        for (int direction = 0; direction <= 8; ++direction)
            for (const QSize& size : sizes)
                QTest::addRow("%d %dx%d", direction, size.width(), size.height()) << direction << size;
    }

    void everyPixelShowsItsLineOrCircle()
    {
        QFETCH(int, direction);
        QFETCH(QSize, size);
        ColorGradient g;
        g.SetColor(0, kRed);
        g.SetColor(5, kGreen);
        g.SetColor(10, kBlue);
        const QImage expected = referencePainting(g, direction, size);
        const QImage painted = paint(g, direction, size).image().convertToFormat(QImage::Format_RGB32);
        int bare = 0, wrong = 0;
        QString first;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                bare += QColor(painted.pixel(x, y)) == kUnpainted;
                if (painted.pixel(x, y) != expected.pixel(x, y) && wrong++ == 0)
                    first = QStringLiteral("%1,%2: %3 instead of %4")
                                .arg(x)
                                .arg(y)
                                .arg(QColor(painted.pixel(x, y)).name(), QColor(expected.pixel(x, y)).name());
            }
        QCOMPARE(bare, 0);
        QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 pixels differ, first at %2").arg(wrong).arg(first)));
    }

    void radialRunsFromTheCentreToTheCorners()
    {
        const ImageSurface s = paint(redToBlue(), 8, QSize(80, 40));
        QCOMPARE(unpaintedPixels(s), 0);
        QVERIFY2(distance(pixel(s, 40, 20), colourOf(kRed)) <= 4, qPrintable(pixel(s, 40, 20).name()));
        for (const QPoint corner : {QPoint(0, 0), QPoint(79, 0), QPoint(0, 39), QPoint(79, 39)})
            QVERIFY2(distance(pixel(s, corner.x(), corner.y()), colourOf(kBlue)) <= 8,
                     qPrintable(pixel(s, corner.x(), corner.y()).name()));
        // Rings: equal distances, equal colours; further out, bluer.
        // The centre lies between pixels 39 and 40 (19 and 20): pixel x mirrors 79 - x.
        for (const int d : {5, 15, 25, 35})
            QVERIFY2(distance(pixel(s, 40 + d, 20), pixel(s, 39 - d, 20)) <= 16, qPrintable(QString::number(d)));
        QVERIFY(distance(pixel(s, 40, 20 + 15), pixel(s, 40, 19 - 15)) <= 16);
        for (int x = 41; x < 80; ++x)
            QVERIFY(pixel(s, x, 20).blue() >= pixel(s, x - 1, 20).blue());
    }

    void otherDirectionsLeaveTheSurfaceAlone()
    {
        for (const int direction : {9, -1, 100}) {
            const ImageSurface s = paint(redToBlue(), direction);
            QCOMPARE(unpaintedPixels(s), 80 * 40);
        }
    }

    void emptySurfacesEnd()
    {
        for (const int direction : {0, 1, 5, 7, 8}) {
            const ImageSurface s = paint(redToBlue(), direction, QSize(0, 0));
            QVERIFY(s.image().isNull());
        }
        // One pixel: the radial gradient still ends with the centre colour there.
        const ImageSurface one = paint(redToBlue(), 8, QSize(1, 1));
        QVERIFY(pixel(one, 0, 0) != kUnpainted && pixel(one, 0, 0).red() > pixel(one, 0, 0).blue());
    }
};

PLK_TEST_CLASS(tst_ColorGradient)
#include "tst_ColorGradient.moc"
