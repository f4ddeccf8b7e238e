#include "canvas/core/CanvasLayout.h"

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
};

QTEST_GUILESS_MAIN(TestCanvasLayout)
#include "tst_CanvasLayout.moc"
