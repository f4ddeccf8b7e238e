#include "canvas/core/CanvasLayout.h"
#include "canvas/core/ZoomSteps.h"
#include "support/TestRegistry.h"

#include <QtTest>

using namespace plk;

class TestCanvasLayout : public QObject {
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
};

PLK_TEST_CLASS(TestCanvasLayout)
#include "tst_CanvasLayout.moc"
