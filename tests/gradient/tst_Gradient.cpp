// Gradients: the colours blended between stops in every direction, and the editor with
// its wells and options.

#include "base/core/Twips.h"
#include "canvas/core/ImageSurface.h"
#include "gradient/core/ColorGradient.h"
#include "gradient/ui/ucDegrade.h"
#include "support/TestRegistry.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
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
    if (direction >= 0 && direction <= 7) {
        // Directions 2 to 5 sweep backwards; 0 and 4 lean one way, 2 and 6 the other.
        const bool reversed = direction >= 2 && direction <= 5, rows = direction == 1 || direction == 5;
        const int lean = direction % 4 == 0 ? half : direction % 4 == 2 ? -half : 0, reach = std::abs(lean);
        const int n = rows ? hPx : wPx;
        for (int k = 0; k <= n + 2 * reach; ++k) {
            const int i = reversed ? n + reach - k : k - reach;
            const QRgb c = colour(reversed ? backward(i, n) : forward(i, n));
            for (int x = 0; rows && x < wPx; ++x)
                put(x, i, c);
            if (!rows)
                slanted(i + lean, i - lean, c);
        }
    }
    if (direction == 8) {
        const double cx = std::nearbyint(wPx * 15 / 2.0), cy = std::nearbyint(hPx * 15 / 2.0);
        const double r = std::nearbyint(std::sqrt(cx * cx + cy * cy));
        const float step = -float(r) / 200.0f;
        for (float k = float(r); k >= 0.0f; k += step)
            for (int y = 0; y < hPx; ++y)
                for (int x = 0; x < wPx; ++x)
                    if (std::sqrt(((x + 0.5) * 15 - cx) * ((x + 0.5) * 15 - cx) + ((y + 0.5) * 15 - cy) * ((y + 0.5) * 15 - cy)) <= k ||
                        (x == int(cx / 15) && y == int(cy / 15)))
                        put(x, y, colour(k / float(r) * 100.0f));
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

/// The colour in the middle of a well as it is painted.
QColor centreOf(QWidget* well)
{
    const QImage image = well->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

}  // namespace

class TestGradient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        editor = new ucDegrade;
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
    }
    void cleanup() { delete editor; }

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
    }

    void threeStopsBlendBetweenTheirNeighbours()
    {
        ColorGradient g;
        g.SetColor(0, kRed);
        g.SetColor(5, kGreen);
        g.SetColor(10, kBlue);
        const std::pair<std::int16_t, OleColor> blends[] = {{1, rgbColor(204, 51, 0)}, {2, rgbColor(153, 102, 0)},
                                                            {3, rgbColor(102, 153, 0)}, {4, rgbColor(51, 204, 0)},
                                                            {5, kGreen},                {7, rgbColor(0, 153, 102)}};
        for (const auto& [stop, colour] : blends)
            QCOMPARE(g.GetColor(stop), colour);
        QVERIFY(g.isSet(5) && !g.isSet(4));
        // ColorAt holds to the ends and finds its segment.
        QCOMPARE(g.ColorAt(100.0f), kBlue);
        QCOMPARE(g.ColorAt(250.0f), kBlue);
        QCOMPARE(g.ColorAt(-5.0f), kRed);
        QCOMPARE(g.ColorAt(0.0f), kRed);
        QCOMPARE(g.ColorAt(50.0f), kGreen);
        QCOMPARE(g.ColorAt(30.0f), g.GetColor(3));
        QCOMPARE(g.ColorAt(35.0f), rgbColor(76, 178, 0));  // halfway from stop 3 to stop 4
        QCOMPARE(g.ColorAt(std::nanf("")), kRed);

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

    void endStopsStayAndOutsideIndicesAreIgnored()
    {
        ColorGradient g = redToBlue();
        g.UnSetColor(0);
        g.UnSetColor(10);
        // A system colour is negative: it would release the stop, which the ends refuse.
        g.SetColor(0, kColorWindowBackground);
        g.SetColor(10, -1);
        g.SetColor(11, kGreen);
        g.SetColor(-1, kGreen);
        g.UnSetColor(11);
        g.SetColorRGB(12, 1, 2, 3);
        QCOMPARE(g.GetColor(11), 0);
        QCOMPARE(g.GetColor(-1), 0);
        QVERIFY(g.isSet(0) && g.isSet(10));
        for (std::int16_t i = 0; i <= 10; ++i)
            QCOMPARE(g.GetColor(i), redToBlue().GetColor(i));
        QCOMPARE(g.GetColor(0), kRed);
        QCOMPARE(g.GetColor(5), rgbColor(128, 0, 128));
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

    // Where each sweep starts and ends, independently of the reference painting below.
    void sweepsStartAndEndOnTheirStops_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("7 starts on stop 0") << 7 << QPoint(0, 17) << colourOf(kRed);
        QTest::newRow("1 starts on stop 0") << 1 << QPoint(33, 0) << colourOf(kRed);
        QTest::newRow("6 starts on stop 0") << 6 << QPoint(0, 39) << colourOf(kRed);
        // The reversed sweeps start one pixel outside: their first pixel is 1/80 along.
        QTest::newRow("3 starts 1/80 along") << 3 << QPoint(79, 17) << rgb(252, 0, 3);
        // The diagonals run beyond the edges, so the far corner is past 100 %.
        QTest::newRow("0 far corner") << 0 << QPoint(79, 39) << colourOf(kBlue);
        QTest::newRow("2 far corner") << 2 << QPoint(0, 39) << colourOf(kBlue);
        QTest::newRow("4 far corner") << 4 << QPoint(0, 0) << colourOf(kBlue);
        QTest::newRow("6 far corner") << 6 << QPoint(79, 0) << colourOf(kBlue);
    }

    void sweepsStartAndEndOnTheirStops()
    {
        QFETCH(int, direction);
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        QCOMPARE(pixel(paint(redToBlue(), direction), at.x(), at.y()), colour);
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

    // The gradient editor: its wells and options, the two events and when they come.
    void freshEditorHasNoDirection()
    {
        QCOMPARE(editor->Direction, -1);
        for (int i = 0; i < 8; ++i)
            QVERIFY(!editor->Option1(i)->isChecked());
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(editor->RecupColor(i), 0);
        QCOMPARE(editor->size(), twipsToPixels(QSize(3255, 735)));
        editor->resize(500, 300);
        QCOMPARE(editor->size(), twipsToPixels(QSize(3255, 735)));
        // The parts on their grid.
        QCOMPARE(editor->pctColor(2)->geometry(), twipsToPixels(QRect(840, 120, 735, 495)));
        QCOMPARE(editor->pctColor(3)->toolTip(), QStringLiteral("Couleur n°3"));
        QCOMPARE(editor->Option1(4)->geometry(), twipsToPixels(QRect(3030, 240, 200, 200)));
        QCOMPARE(editor->Option1(5)->geometry(), twipsToPixels(QRect(2550, 480, 200, 200)));
        QCOMPARE(editor->Option1(0)->toolTip(), QStringLiteral("En haut à gauche"));
        QCOMPARE(editor->Option1(3)->toolTip(), QStringLiteral("Centrer sur la gauche"));
        QCOMPARE(editor->Option1(7)->toolTip(), QStringLiteral("En bas à droite"));
        QVERIFY(!editor->childAt(twipsToPixels(2890), twipsToPixels(340)));  // the empty centre
    }

    void wellClickAsksForAColourOnly()
    {
        QSignalSpy select(editor, &ucDegrade::SelectColor);
        QSignalSpy draw(editor, &ucDegrade::DrawDegrade);
        QTest::mouseClick(editor->pctColor(2), Qt::LeftButton);
        QCOMPARE(select.size(), 1);
        QCOMPARE(select.first().first().toInt(), 2);
        editor->AfficheColor(2, rgbColor(255, 0, 0));
        QCOMPARE(draw.size(), 0);
        QCOMPARE(editor->RecupColor(2), rgbColor(255, 0, 0));
        QCOMPARE(editor->Color2, rgbColor(255, 0, 0));
        QCOMPARE(centreOf(editor->pctColor(2)), QColor(Qt::red));
        editor->AfficheColor(4, rgbColor(0, 255, 0));
        QCOMPARE(editor->RecupColor(4), 0);
        QCOMPARE(editor->Color1 | editor->Color3, 0);
    }

    void pickingADirectionReportsIt()
    {
        QSignalSpy draw(editor, &ucDegrade::DrawDegrade);
        int directionSeen = -2;
        connect(editor, &ucDegrade::DrawDegrade, this, [&] { directionSeen = editor->Direction; });
        QTest::mouseClick(editor->Option1(6), Qt::LeftButton);
        QCOMPARE(draw.size(), 1);
        QCOMPARE(draw.first().first().toInt(), 6);
        QCOMPARE(directionSeen, 6);
        QVERIFY(editor->Option1(6)->isChecked());
        QTest::mouseClick(editor->Option1(1), Qt::LeftButton);
        QVERIFY(!editor->Option1(6)->isChecked());
        QCOMPARE(editor->Direction, 1);
    }

    void refreshRepaintsAndPicksAgain()
    {
        QSignalSpy draw(editor, &ucDegrade::DrawDegrade);
        editor->Color3 = rgbColor(0, 0, 255);
        editor->Refresh();  // no direction yet: nothing to pick
        QCOMPARE(draw.size(), 0);
        QCOMPARE(editor->pctColor(3)->colour(), rgbColor(0, 0, 255));
        editor->Direction = 7;
        editor->Refresh();
        QCOMPARE(draw.size(), 1);
        QCOMPARE(draw.first().first().toInt(), 7);
        QVERIFY(editor->Option1(7)->isChecked());
    }

    void disablingGreysEveryPart()
    {
        editor->AfficheColor(1, rgbColor(255, 0, 0));
        editor->setEnabled(false);
        QVERIFY(!editor->Enabled());
        for (int i = 0; i < 8; ++i)
            QVERIFY(!editor->Option1(i)->isEnabled() && !editor->pctColor(i % 3 + 1)->isEnabled());
        QCOMPARE(centreOf(editor->pctColor(1)).red(), centreOf(editor->pctColor(1)).green());
        QSignalSpy select(editor, &ucDegrade::SelectColor);
        QTest::mouseClick(editor->pctColor(1), Qt::LeftButton);
        QCOMPARE(select.size(), 0);
        editor->setEnabled(true);
        QVERIFY(editor->Enabled());
        QVERIFY(editor->Option1(3)->isEnabled());
        QCOMPARE(centreOf(editor->pctColor(1)), QColor(Qt::red));
    }

private:
    ucDegrade* editor = nullptr;
};

PLK_TEST_CLASS(TestGradient)
#include "tst_Gradient.moc"
