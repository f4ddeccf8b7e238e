#include "canvas/core/Etiquette.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

using namespace plk;

namespace {

constexpr double kPxPerMm = 56.7 / 15;

/// True when a pixel within `radius` of (x, y) has the colour.
bool colourNear(const QImage& img, int x, int y, QColor colour, int radius = 1)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p(x + dx, y + dy);
            if (img.rect().contains(p) && img.pixelColor(p).rgb() == colour.rgb())
                return true;
        }
    return false;
}

int px(double mm) { return int(mm * kPxPerMm); }

}  // namespace

class TestSnapshot : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void sizeAndBorder()
    {
        Etiquette t;
        t.NewProjet("S", 50, 50, rgbColor(255, 255, 255), rgbColor(255, 0, 0), false, false, true);
        const QImage img = t.Picture();
        QCOMPARE(img.size(), QSize(189, 189));
        QCOMPARE(img.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(img.pixelColor(94, 0), QColor(Qt::red));
        QCOMPARE(img.pixelColor(0, 94), QColor(Qt::red));
        QVERIFY(colourNear(img, 188, 94, Qt::red));
        QVERIFY(colourNear(img, 94, 188, Qt::red));
        QCOMPARE(img.pixelColor(94, 94), QColor(Qt::white));
        t.setBordure(false);
        QCOMPARE(t.Picture().pixelColor(0, 0), QColor(Qt::white));
    }

    void cdGuides()
    {
        Etiquette t;
        t.NewProjet("CD", 120, 120, rgbColor(255, 255, 255), 0, false, false, false);
        t.setCD_Disque(true);
        QImage img = t.Picture(true);
        const QColor grey(0x80, 0x80, 0x80);
        const int c = px(60);
        QVERIFY(colourNear(img, c, px(60 - 59.7), grey));      // outer circle, top
        QVERIFY(colourNear(img, px(60 + 59.7), c, grey));      // outer circle, right
        QVERIFY(colourNear(img, c, px(60 - 120 / 6.5), grey)); // inner circle, top
        QVERIFY(!colourNear(img, px(7), c, grey));
        t.setCD_Disque(false);
        t.setCD_Pochette(true);
        img = t.Picture(true);
        QVERIFY(colourNear(img, px(7), 10, grey));
        QVERIFY(colourNear(img, px(113), 200, grey));
        QCOMPARE(img.pixelColor(c, c), QColor(Qt::white));
    }

    void logosCoverTextsAndPictureBackgroundStretches()
    {
        QTemporaryDir dir;
        QImage blue(10, 10, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        blue.save(dir.filePath("blue.png"));
        QImage halves(2, 1, QImage::Format_RGB32);
        halves.setPixelColor(0, 0, Qt::red);
        halves.setPixelColor(1, 0, Qt::green);
        halves.save(dir.filePath("halves.png"));

        Etiquette t;
        t.NewProjet("L", 50, 30, rgbColor(255, 255, 255), 0, false, false, false);
        t.pctPicture(dir.filePath("halves.png"));
        QCOMPARE(t.TypeFond(), std::int16_t(2));
        t.NewLabel(10, 10);
        t.Caption(1, "MMMMMMMM");
        t.FontStyle(1, "Tahoma", 20, true, false, false, false);
        t.FontCouleur(1, 0);
        t.NewLogo(10, 10);
        t.Image(1, dir.filePath("blue.png"));
        t.SizeLogo(1, 5, 5);

        const QImage bg = t.Picture(true);
        QCOMPARE(bg.pixelColor(1, px(15)).red(), 255);
        QCOMPARE(bg.pixelColor(bg.width() - 2, px(15)).green(), 255);
        QCOMPARE(bg.pixelColor(1, 1), bg.pixelColor(1, bg.height() - 2));  // fills the whole height

        const QImage full = t.Picture();
        QCOMPARE(full.pixelColor(px(12), px(12)), QColor(Qt::blue));
        // The text is there, beside the logo.
        bool dark = false;
        for (int x = px(16); x < px(40) && !dark; ++x)
            for (int y = px(10); y < px(16) && !dark; ++y)
                dark = full.pixelColor(x, y).lightness() < 60;
        QVERIFY(dark);
        t.objectClick(Etiquette::ObjectKind::Label, 1);
        t.DelLabel();
        QVERIFY(t.Picture() != full);
    }

    void gradientDirectionsPutColourOneWhereTheEditorSays_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QPointF>("start");  // where colour n°1 sits, as a fraction of the canvas
        QTest::newRow("top left") << 0 << QPointF(0, 0);
        QTest::newRow("top middle") << 1 << QPointF(0.5, 0);
        QTest::newRow("top right") << 2 << QPointF(1, 0);
        QTest::newRow("middle left") << 3 << QPointF(0, 0.5);
        QTest::newRow("middle right") << 4 << QPointF(1, 0.5);
        QTest::newRow("bottom left") << 5 << QPointF(0, 1);
        QTest::newRow("bottom middle") << 6 << QPointF(0.5, 1);
        QTest::newRow("bottom right") << 7 << QPointF(1, 1);
    }

    void gradientDirectionsPutColourOneWhereTheEditorSays()
    {
        QFETCH(int, direction);
        QFETCH(QPointF, start);
        Etiquette t;
        t.NewProjet("G", 60, 60, 0, 0, false, false, false);
        t.pctDegrade(direction, rgbColor(255, 0, 0), rgbColor(0, 255, 0), rgbColor(0, 0, 255));
        QCOMPARE(t.TypeFond(), std::int16_t(3));
        const QImage img = t.Picture(true);
        const auto at = [&img](QPointF f) {
            const int x = std::clamp(int(f.x() * (img.width() - 1)), 2, img.width() - 3);
            const int y = std::clamp(int(f.y() * (img.height() - 1)), 2, img.height() - 3);
            return img.pixelColor(x, y);
        };
        const QColor first = at(start);
        const QColor last = at(QPointF(1 - start.x(), 1 - start.y()));
        QVERIFY2(first.red() > 200 && first.blue() < 60, qPrintable(first.name()));
        QVERIFY2(last.blue() > 200 && last.red() < 60, qPrintable(last.name()));
        const QColor middle = at(QPointF(0.5, 0.5));
        QVERIFY2(middle.green() > 200, qPrintable(middle.name()));
    }

    void gradientOutsideTheDirectionsLeavesACleanCanvas()
    {
        Etiquette t;
        t.NewProjet("G", 30, 30, rgbColor(255, 255, 255), 0, false, false, false);
        t.pctDegrade(9, 255, 65280, 16711680);
        QCOMPARE(t.TypeFond(), std::int16_t(3));
        QCOMPARE(t.Picture(true).pixelColor(50, 50), QColor(Qt::white));
    }

    void missingPictureFallsBackAndDefaultUsesWindowColour()
    {
        Etiquette t;
        t.NewProjet("P", 50, 50, rgbColor(0, 0, 255), 0, false, false, false);
        t.pctPicture("/nowhere/none.png");
        QCOMPARE(t.TypeFond(), std::int16_t(0));
        QCOMPARE(t.BackColor(), kColorWindowBackground);
        QCOMPARE(t.Picture(true).pixelColor(90, 90), toQColor(kColorWindowBackground));
    }
};

PLK_TEST_CLASS(TestSnapshot)
#include "tst_Snapshot.moc"
