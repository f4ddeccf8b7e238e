// Floating windows beside the window they serve, never off the screen.

#include "support/TestRegistry.h"
#include "widgets/core/WindowPlacement.h"

#include <QTest>

using namespace plk;

class TestWindowPlacement : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void besideTheOwner()
    {
        const QRect area(0, 0, 1280, 1000);
        const QSize tool(280, 600);
        // Room on the right.
        QCOMPARE(placeBeside(QRect(100, 50, 700, 500), tool, area), QRect(800, 50, 280, 600));
        // None on the right: on the left.
        QCOMPARE(placeBeside(QRect(400, 50, 800, 500), tool, area), QRect(120, 50, 280, 600));
        // None on either side: against the side with more room, over the owner's edge.
        QCOMPARE(placeBeside(QRect(20, 50, 1100, 500), tool, area), QRect(1000, 50, 280, 600));
        QCOMPARE(placeBeside(QRect(200, 50, 1080, 500), tool, area), QRect(0, 50, 280, 600));
        // Level with the owner, but never below the area's bottom.
        QCOMPARE(placeBeside(QRect(100, 700, 400, 200), tool, area), QRect(500, 400, 280, 600));
    }

    void neverOffTheScreen()
    {
        const QRect area(0, 30, 800, 570);  // a panel along the top
        QCOMPARE(placeBeside(QRect(-50, 0, 300, 200), QSize(720, 560), area), QRect(80, 30, 720, 560));
        const QRect cut = placeBeside(QRect(10, 40, 300, 200), QSize(1000, 900), area);
        QCOMPARE(cut, area);
    }
};

PLK_TEST_CLASS(TestWindowPlacement)
#include "tst_WindowPlacement.moc"
