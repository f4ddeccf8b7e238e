// What a tab looks like: the canvas and its layout, snapshots, pictures read once, and
// texts in boxes.

#include "base/core/Cp1252.h"
#include "canvas/core/CanvasLayout.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/LogoPicture.h"
#include "canvas/core/PictureCache.h"
#include "canvas/core/TabRenderer.h"
#include "canvas/core/ZoomSteps.h"
#include "document/core/ProjectFile.h"
#include "support/HostileFiles.h"
#include "support/PdfProbe.h"
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

/// A picture of the given size, left half red and right half blue.
QImage twoColours(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

QSizeF ownSizeMm(int width, int height) { return {width * 15 / 56.7, height * 15 / 56.7}; }

const QString kBoxes = QStringLiteral(
    "ONGLET|Badge\r\n"
    "PROJET|Badge|40|20|16777215|0|Faux|Faux|Faux|Faux|Faux\r\n"
    "LABEL|Un de\\f|16|2|Tahoma|8|Faux|Faux|Faux|Faux|0\r\n"
    "LABEL|«Prénom» «Nom» «Ville»|5|5|Tahoma|16|Vrai|Faux|Faux|Faux|0\r\n"
    "FOND|1|16777215\r\n"
    "PRINT|0|0|0|3|1|15|11|10|0|2|5\r\n"
    "ZONE|1|20|5|2|2|1|Faux|6|Un\\nde\\\\f\r\n"
    "ZONE|2|30|8,5|3|1|1,2|Vrai|4,5|«Prénom» «Nom»\\n«Ville»\r\n");

QByteArray written(Project& p, const RegionalFormat& f = test::french()) { return toCp1252(projectFileText(p, f)); }

}  // namespace

class TestCanvas : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void fixedRulersAndCentredCanvas()
    {
        const CanvasLayout l = layoutCanvas(QSize(9000, 6001), QSize(2835, 2835), false, QRect(5, 5, 10, 300),
                                            QRect(7, 7, 300, 10));
        QCOMPARE(l.workArea, QRect(300, 300, 8500, 5501));
        QCOMPARE(l.horizontalRuler, QRect(300, 0, 9000, 300));
        QCOMPARE(l.verticalRuler, QRect(0, 300, 300, 6001));
        QCOMPARE(l.canvas.topLeft(), QPoint(3082, 1583));
        QCOMPARE(l.shadow, QRect(3202, 1703, 2835, 2835));
        QCOMPARE(l.horizontalBar, QRect(0, 5746, 8745, 255));
        QCOMPARE(l.verticalBar, QRect(8745, 0, 255, 5746));
        QCOMPARE(l.defaultButton, QPoint(8745, 5746));
        QCOMPARE(l.horizontal.maximum, 9000);
        QCOMPARE(l.horizontal.smallChange, 2250);
        QCOMPARE(l.horizontal.value, 4500);
        QCOMPARE(l.vertical.value, 3000);  // 3000.5 rounds to even
        QCOMPARE(l.vertical.largeChange, 1500);
    }

    void movableRulersOnlyStretch()
    {
        const CanvasLayout l = layoutCanvas(QSize(9000, 6000), QSize(2835, 2835), true, QRect(1200, 800, 10, 300),
                                            QRect(40, 2000, 300, 10));
        QCOMPARE(l.horizontalRuler, QRect(1200, 800, 9000, 300));
        QCOMPARE(l.verticalRuler, QRect(40, 2000, 300, 6000));
    }

    void canvasLargerThanViewGoesNegative()
    {
        const CanvasLayout l = layoutCanvas(QSize(3000, 3000), QSize(5670, 4000), false, {}, {});
        QCOMPARE(l.canvas.left(), -1335);
        QCOMPARE(l.canvas.top(), -500);
    }

    void scrollPositionIsTheCanvasCentre()
    {
        const CanvasLayout l = layoutCanvas(QSize(9000, 6000), QSize(2835, 2835), false, {}, {});
        QCOMPARE(canvasOffsetForScroll(l.horizontal.value, l.horizontal, 9000, 2835), 9000 / 2 - 2835 / 2);
        QCOMPARE(canvasOffsetForScroll(6000, l.horizontal, 9000, 2835), 6000 - 1417);
        QCOMPARE(canvasOffsetForScroll(1, l.horizontal, 9000, 2835), 1 - 1417);
    }

    void rulerMarksRunInGroupsOfTen()
    {
        const auto marks = rulerMarks(1000);
        QCOMPARE(int(marks.size()), 20);
        QCOMPARE(marks.front().position, 57);
        QCOMPARE(marks[4].kind, RulerMark::Kind::HalfCentimetre);
        QCOMPARE(marks[9].position, 570);
        QCOMPARE(marks[9].kind, RulerMark::Kind::Centimetre);
        QCOMPARE(marks[9].number, QStringLiteral("1 "));
        QCOMPARE(marks[10].position, 627);
        QCOMPARE(marks[19].position, 1140);
        QCOMPARE(marks[19].number, QStringLiteral("2 "));
        QVERIFY(rulerMarks(57).empty());
        QCOMPARE(markLength(RulerMark::Kind::Millimetre, 300), 63);
        QCOMPARE(markLength(RulerMark::Kind::HalfCentimetre, 300), 150);
        QCOMPARE(markLength(RulerMark::Kind::Centimetre, 300), 300);
    }

    void rulerMarksFollowTheZoom()
    {
        // At 200 % a millimetre is 114 twips (7.6 pixels), a centimetre 1140.
        const auto marks = rulerMarks(2500, 200);
        QCOMPARE(int(marks.size()), 30);
        QCOMPARE(marks[0].position, 114);
        QCOMPARE(marks[1].position, 228);
        QCOMPARE(marks[4].position, 570);
        QCOMPARE(marks[4].kind, RulerMark::Kind::HalfCentimetre);
        QCOMPARE(marks[9].position, 1140);
        QCOMPARE(marks[9].number, QStringLiteral("1 "));
        QCOMPARE(marks[19].position, 2280);
        QCOMPARE(marks[19].number, QStringLiteral("2 "));
        QCOMPARE(marks[20].position, 2394);  // the last group runs past the end

        // At 25 % the millimetres would be 1 pixel apart: only half and whole centimetres,
        // numbered every second centimetre.
        const auto small = rulerMarks(1500, 25);
        QCOMPARE(int(small.size()), 22);
        QCOMPARE(small[0].position, 71);  // 5 mm
        QCOMPARE(small[0].kind, RulerMark::Kind::HalfCentimetre);
        QCOMPARE(small[1].position, 142);  // 142.5 rounds to even
        QCOMPARE(small[1].number, QString());
        QCOMPARE(small[3].position, 285);
        QCOMPARE(small[3].number, QStringLiteral("2 "));

        // 100 % is the graduation the rulers always had.
        QCOMPARE(rulerMarks(1000, 100).size(), rulerMarks(1000).size());
        QCOMPARE(rulerMarks(1000, 100)[13].position, 798);
    }

    void zoomStepsStayWithinTheirLimits()
    {
        QCOMPARE(zoomIn(100), 125);
        QCOMPARE(zoomIn(110), 125);
        QCOMPARE(zoomIn(600), 800);
        QCOMPARE(zoomIn(800), 800);
        QCOMPARE(zoomOut(100), 75);
        QCOMPARE(zoomOut(110), 100);
        QCOMPARE(zoomOut(33), 25);
        QCOMPARE(zoomOut(25), 25);
        QCOMPARE(fitZoom(QSize(600, 400), QSize(300, 100)), 200);
        QCOMPARE(fitZoom(QSize(600, 400), QSize(900, 100)), 66);
        QCOMPARE(fitZoom(QSize(600, 400), QSize(10, 10)), 800);
        QCOMPARE(fitZoom(QSize(600, 400), QSize(9000, 9000)), 25);
        QCOMPARE(zoomStatus(150), QStringLiteral("Zoom : 150 %"));
    }

    void aZoomedCanvasCanBeScrolledToEitherEdge()
    {
        CanvasLayout l = layoutCanvas(QSize(9000, 6000), QSize(30000, 2835), false, {}, {});
        const int middle = l.horizontal.middle;
        extendForCanvas(l.horizontal, 9000, 30000);
        extendForCanvas(l.vertical, 6000, 2835);  // fits: left alone
        QCOMPARE(l.vertical.minimum, 1);
        QCOMPARE(l.vertical.maximum, 6000);
        QCOMPARE(l.horizontal.middle, middle);
        // The left edge comes a ruler's width past the view's left, the right edge likewise.
        QCOMPARE(canvasOffsetForScroll(l.horizontal.maximum, l.horizontal, 9000, 30000), kRulerThickness);
        QCOMPARE(canvasOffsetForScroll(l.horizontal.minimum, l.horizontal, 9000, 30000) + 30000,
                 9000 - kRulerThickness + 1);  // the bar starts at 1
        QCOMPARE(canvasOffsetForScroll(middle, l.horizontal, 9000, 30000), 4500 - 15000);
    }

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

    void fifosFoldersAndDevicesAreMissingFiles()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("logo.png");
        test::makeFifo(fifo);
        bool missing = false;
        QVERIFY(test::finishesWithin(
            [&] {
                missing = !pictureFileExists(fifo) && !loadPictureFile(fifo) &&
                          PictureCache::shared().load(fifo).outcome == PictureCache::Outcome::Missing;
            },
            fifo));
        QVERIFY(missing);
        for (const QString& other : {dir.path(), QStringLiteral("/dev/zero")})
            QCOMPARE(PictureCache::shared().load(other).outcome, PictureCache::Outcome::Missing);

        // A logo and a background on a FIFO fall back as for a missing file.
        Etiquette t;
        t.NewLogo(10, 10);
        t.Image(1, fifo);
        QCOMPARE(t.logo(1).Tag, QString());
        QCOMPARE(t.logo(1).picture, placeholderLogoPicture());
        t.pctPicture(fifo);
        QCOMPARE(t.TypeFond(), std::int16_t(0));
    }

    void aFileIsDecodedOncePerVersionAndShared()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("logo.png");
        QVERIFY(twoColours(40, 20).save(path));
        PictureCache& cache = PictureCache::shared();
        const int before = cache.decodeCount();

        Etiquette a, b;
        for (Etiquette* t : {&a, &b}) {
            for (int i = 1; i <= 3; ++i) {
                t->NewLogo(10, 10);
                t->Image(i, path);
            }
            t->pctPicture(path);
        }
        QCOMPARE(cache.decodeCount(), before + 1);
        const uchar* pixels = a.logo(1).picture.constBits();
        QCOMPARE(b.logo(3).picture.constBits(), pixels);  // the same pixels, not a copy
        QCOMPARE(a.logo(2).Width, float(ownSizeMm(40, 20).width()));

        // A changed file is a new version, decoded again.
        QVERIFY(twoColours(60, 20).save(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        file.close();
        a.Image(1, path);
        QCOMPARE(cache.decodeCount(), before + 2);
        QCOMPARE(a.logo(1).picture.width(), 60);

        // The placeholder is drawn once as well.
        QCOMPARE(placeholderLogoPicture().constBits(), placeholderLogoPicture().constBits());
    }

    void filesThatAreNoPicturesAreDecodedOnce()
    {
        QTemporaryDir dir;
        const QString empty = dir.filePath("vide.png");
        const QString text = dir.filePath("texte.png");
        test::writeBytes(empty, "");
        test::writeBytes(text, "ceci n'est pas une image");
        PictureCache cache;
        QCOMPARE(cache.load(empty).outcome, PictureCache::Outcome::NotAPicture);
        QCOMPARE(cache.load(text).outcome, PictureCache::Outcome::NotAPicture);
        QCOMPARE(cache.load(text).outcome, PictureCache::Outcome::NotAPicture);
        QCOMPARE(cache.decodeCount(), 2);
    }

    void aPictureBeyondTheBudgetIsKeptReducedAtItsOwnSize()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("grand.png");
        QVERIFY(twoColours(400, 200).save(path));
        PictureCache cache(1 << 20, 400 * 200);  // a quarter of its pixels
        const PictureCache::Result r = cache.load(path);
        QCOMPARE(r.outcome, PictureCache::Outcome::Picture);
        QCOMPARE(r.picture.size(), QSize(200, 100));
        QCOMPARE(r.picture.deviceIndependentSize(), QSizeF(400, 200));
        QCOMPARE(naturalSizeMm(r.picture), ownSizeMm(400, 200));
        QCOMPARE(QColor(r.picture.pixel(10, 50)), QColor(Qt::red));
        QCOMPARE(QColor(r.picture.pixel(190, 50)), QColor(Qt::blue));
    }

    void aLogoMuchSmallerThanItsPictureKeepsItReduced()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("photo.png");
        QVERIFY(twoColours(2000, 1000).save(path));
        Etiquette t, u;
        for (int i = 1; i <= 2; ++i) {
            t.NewLogo(10, 10);
            t.Image(i, path);
        }
        QCOMPARE(t.logo(1).picture.size(), QSize(2000, 1000));  // at its own size: all of it
        // 20 x 10 mm at 600 dpi need 473 x 237 pixels: halved twice, it still has them.
        t.SizeLogo(1, 20, 10);
        t.SizeLogo(2, 20, 10);
        QCOMPARE(t.logo(1).picture.size(), QSize(500, 250));
        QCOMPARE(t.logo(2).picture.constBits(), t.logo(1).picture.constBits());
        QCOMPARE(naturalSizeMm(t.logo(1).picture), ownSizeMm(2000, 1000));
        QCOMPARE(t.logo(1).Width, 20.0f);
        // What is drawn is the same picture, only with fewer pixels.
        const QImage drawn = t.Picture();
        const int y = int(15 * 56.7 / 15);
        QCOMPARE(QColor(drawn.pixel(int(15 * 56.7 / 15), y)), QColor(Qt::red));
        QCOMPARE(QColor(drawn.pixel(int(25 * 56.7 / 15), y)), QColor(Qt::blue));

        // A logo drawn larger keeps more.
        u.NewLogo(10, 10);
        u.Image(1, path);
        u.SizeLogo(1, 100, 50);
        QCOMPARE(u.logo(1).picture.size(), QSize(2000, 1000));
    }

    void theLeastRecentlyUsedPictureGoesFirst()
    {
        QTemporaryDir dir;
        const QString one = dir.filePath("1.png"), two = dir.filePath("2.png");
        QVERIFY(twoColours(100, 100).save(one));
        QVERIFY(twoColours(100, 100).save(two));
        PictureCache cache(100 * 100 * 4 + 1);  // room for one picture
        const QImage kept = cache.load(one).picture;
        cache.load(two);
        QCOMPARE(cache.load(two).picture.constBits(), cache.load(two).picture.constBits());
        QCOMPARE(cache.decodeCount(), 2);
        QCOMPARE(cache.load(one).outcome, PictureCache::Outcome::Picture);
        QCOMPARE(cache.decodeCount(), 3);
        QCOMPARE(kept.size(), QSize(100, 100));  // users keep theirs
    }

    // Texts in boxes: a merged name set smaller until it fits its box on every row, in the
    // pixels of a 600 dpi snapshot; the ZONE record read and written byte for byte, passed
    // over by a reader that does not know it, refused when damaged; copy and paste.
    void aMergedNameFitsItsBoxOnEveryRow()
    {
        PLK_REQUIRE_TAHOMA();
        Project p;
        QVERIFY(readProjectData(toCp1252(kBoxes), p, test::french()).ok());
        const Etiquette& tab = p.tab(1);
        const TextElement& name = tab.label(2);
        QVERIFY(name.box);
        QCOMPARE(name.Caption, QStringLiteral("«Prénom» «Nom»\n«Ville»"));
        QCOMPARE(tab.label(1).Caption, QStringLiteral("Un\nde\\f"));
        // Names short and long, a town on two lines, an empty town (its line left out).
        DataTable table({QStringLiteral("Prénom"), QStringLiteral("Nom"), QStringLiteral("Ville")});
        const QStringList first{"Lu", "Jean-Baptiste", "Marie-Christine", "Zoé", "Anne-Sophie"};
        const QStringList last{"Roy", "de La Tour d'Auvergne-Lauraguais", "Lefèvre", "Wolfeschlegelsteinhausen"};
        for (int row = 0; row < 100; ++row) {
            table.addValue(first.at(row % first.size()));
            table.addValue(last.at(row % last.size()) + QString(row % 7, QLatin1Char('x')));
            table.addValue(row % 3 == 0 ? QString() : row % 3 == 1 ? QStringLiteral("Lyon") : QStringLiteral("Saint-Rémy\nde-Provence"));
            table.endRow();
        }
        constexpr int kDpi = 600;
        const QRectF box(5, 5, 30, 8.5);
        const QRect inside = QRectF(test::pixelsOf(box.left() - 0.1, kDpi), test::pixelsOf(box.top() - 0.1, kDpi),
                                    test::pixelsOf(box.width() + 0.2, kDpi), test::pixelsOf(box.height() + 0.2, kDpi))
                                 .toAlignedRect();
        int shrunk = 0, lines3 = 0;
        for (int row = 0; row < table.rowCount(); ++row) {
            const RowValues values(&table, row);
            const TextBoxLayout layout = name.boxLayout(values);
            QVERIFY2(layout.fits, qPrintable(QString::number(row)));
            shrunk += layout.font.pointSizeF() < 16;
            lines3 += values.lines(name.Caption).size() == 3;
            const QImage picture = TabRenderer(tab).picture(kDpi, false, values);
            const QRect ink = test::inkBox(picture, QRect(0, 0, picture.width(), int(test::pixelsOf(15, kDpi))),
                                           [](QRgb c) { return qGray(c) < 160; });
            QVERIFY2(!ink.isNull() && inside.contains(ink),
                     qPrintable(QStringLiteral("row %1: ink %2,%3 %4x%5").arg(row).arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
        }
        QVERIFY(shrunk > 50 && shrunk < 100);  // short names keep the size set
        QCOMPARE(lines3, 33);                  // a value's line break is a line of the box
    }

    void recordsRoundTripAndStayOutOfTheOriginalOnes()
    {
        Project p;
        QVERIFY(readProjectData(toCp1252(kBoxes), p, test::french()).ok());
        QCOMPARE(written(p), toCp1252(kBoxes));
        QString english = kBoxes;
        english.replace("8,5", "8.5").replace("1,2", "1.2").replace("4,5", "4.5").replace("Faux", "False").replace("Vrai", "True");
        QCOMPARE(projectFileText(p, test::english()), english);
        // The LABEL record is the one-line text a reader without ZONE shows.
        QString unknown = kBoxes;
        unknown.replace(QStringLiteral("\r\nZONE|"), QStringLiteral("\r\nZONX|"));
        Project q;
        QVERIFY(readProjectData(toCp1252(unknown), q, test::french()).ok());
        QVERIFY(!q.tab(1).label(2).box);
        QCOMPARE(q.tab(1).label(2).Caption, QStringLiteral("«Prénom» «Nom» «Ville»"));
        QCOMPARE(QString::fromLatin1(written(q)), kBoxes.section(QStringLiteral("ZONE|"), 0, 0));
    }

    void damagedRecordsStopTheReadingAtTheirLine_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such text") << QStringLiteral("ZONE|3|30|8|0|0|1|Faux|6|x") << QStringLiteral("zone de texte sans objet texte : 3");
        QTest::newRow("width") << QStringLiteral("ZONE|1|0,5|8|0|0|1|Faux|6|x") << QStringLiteral("largeur de zone de texte hors limites");
        QTest::newRow("alignment") << QStringLiteral("ZONE|1|30|8|4|0|1|Faux|6|x") << QStringLiteral("alignement de zone de texte hors limites");
        QTest::newRow("spacing") << QStringLiteral("ZONE|1|30|8|0|0|9|Faux|6|x") << QStringLiteral("interligne de zone de texte hors limites");
        QTest::newRow("escape") << QStringLiteral("ZONE|1|30|8|0|0|1|Faux|6|a\\qb") << QStringLiteral("séquence inconnue dans le texte de la zone : « \\q »");
        QTest::newRow("missing") << QStringLiteral("ZONE|1|30|8|0|0|1|Faux") << QStringLiteral("champ 8 manquant");
    }

    void damagedRecordsStopTheReadingAtTheirLine()
    {
        QFETCH(QString, zone);
        QFETCH(QString, reason);
        QString text = kBoxes.section(QStringLiteral("ZONE|"), 0, 0) + zone + QStringLiteral("\r\n");
        Project p;
        const ReadResult r = readProjectData(toCp1252(text), p, test::french());
        QCOMPARE(r.line, 7);
        QCOMPARE(r.reason, reason);
        QVERIFY(!p.tab(1).label(1).box);
    }

    void copiedTextsKeepTheirBoxAndALineFieldJoinsTheLines()
    {
        Project p;
        QVERIFY(readProjectData(toCp1252(kBoxes), p, test::french()).ok());
        Etiquette& tab = p.tab(1);
        tab.objectClick(ObjectKind::Label, 2);
        QString clipboard;
        tab.Copier(2, clipboard, test::french());
        tab.Coller(clipboard, test::french());
        QCOMPARE(tab.labelCount(), 3);
        QCOMPARE(tab.label(3).box, tab.label(2).box);
        QCOMPARE(tab.label(3).Caption, tab.label(2).Caption);
        QCOMPARE(tab.labelRect(3), tab.labelRect(2).translated(5, 5));
        // A line typed in a text on one line keeps no line break.
        tab.NewLabel();
        tab.Caption(4, QStringLiteral("a\nb"));
        QCOMPARE(tab.label(4).Caption, QStringLiteral("ab"));
    }
};

PLK_TEST_CLASS(TestCanvas)
#include "tst_Canvas.moc"
