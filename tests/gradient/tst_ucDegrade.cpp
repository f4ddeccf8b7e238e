// The gradient editor: its wells and options, the two events and when they come.

#include "base/core/Twips.h"
#include "gradient/ui/ucDegrade.h"
#include "support/TestRegistry.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace plk;

namespace {

/// The colour in the middle of a well as it is painted.
QColor centreOf(QWidget* well)
{
    const QImage image = well->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

}  // namespace

class TestUcDegrade : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        editor = new ucDegrade;
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
    }
    void cleanup() { delete editor; }

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

PLK_TEST_CLASS(TestUcDegrade)
#include "tst_ucDegrade.moc"
