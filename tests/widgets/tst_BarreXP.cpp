// The task pane: groups opening and closing (at once and sliding), their stacking in
// twips, pane-wide item numbers, the title's context menu, hovering and painting.

#include "PointerEvents.h"
#include "app/ui/TaskPaneSetup.h"
#include "app/ui/frmMenu.h"
#include "base/core/AppState.h"
#include "base/core/Twips.h"
#include "support/MainWindowFixture.h"
#include "support/TestRegistry.h"
#include "widgets/core/TaskGroupMotion.h"
#include "widgets/ui/BarreXP.h"

#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace plk;

namespace {

using test::hover;

// Ticks the group's animation by hand until it rests; returns the heights seen.
QList<int> slide(BarreXP& pane, int group)
{
    QList<int> heights;
    while (pane.isSliding(group) && heights.size() < 1000) {
        pane.Timer1_Timer(group);
        heights.append(pane.panelHeight(group));
    }
    return heights;
}

}  // namespace

class TestBarreXP : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The pane as the main window builds it, its groups opening at once.
    void init()
    {
        m_fx.start();
        m_fx.app.Options.Animation = 1;
        pane = buildTaskPane(*m_fx.menu);
        pane->resize(300, 900);
        QVERIFY(QTest::qWaitForWindowExposed(pane));
    }
    void cleanup() { m_fx.stop(); }

    // Closing stops only once the panel would fall below the title: a group 1000 twips
    // taller than its title opens in 20 ticks and closes in 21.
    void slidesLandOnTheOpenHeight_data()
    {
        QTest::addColumn<int>("openHeight");
        QTest::addColumn<int>("openTicks");
        QTest::newRow("1010 taller") << 375 + 1010 << 21;
        QTest::newRow("1000 taller") << 375 + 1000 << 20;
    }
    void slidesLandOnTheOpenHeight()
    {
        QFETCH(int, openHeight);
        QFETCH(int, openTicks);
        TaskGroupMotion motion(375);
        motion.setOpenHeight(openHeight);
        motion.setOpen(true, true);
        QVERIFY(motion.isOpen());
        QVERIFY(!motion.restsOpen());
        int ticks = 0;
        for (bool moving = true; moving;) {
            moving = motion.step();
            ++ticks;
            QCOMPARE(motion.height(), qMin(375 + 50 * ticks, openHeight));
        }
        QCOMPARE(ticks, openTicks);
        QVERIFY(motion.restsOpen());
        motion.setOpen(false, true);
        for (ticks = 1; motion.step();)
            ++ticks;
        QCOMPARE(ticks, 21);
        QCOMPARE(motion.height(), 375);
        QVERIFY(!motion.restsOpen());
    }

    void groupOpensTickByTickWithAnimation()
    {
        pane->setAnimation(true);
        const int closed = pane->panelHeight(3);
        const int open = pane->openHeight(3);
        QCOMPARE(open, 520 + 2 * 240 + 70 + 180);  // two items
        pane->setGRP_Actif(3);
        QCOMPARE(pane->GRP_Actif(), 3);
        QVERIFY(pane->GRP_Etat(3));  // the flag changes as the slide starts
        QVERIFY(pane->Timer1(3)->isActive());
        QCOMPARE(pane->Timer1(3)->interval(), 1);
        const QList<int> heights = slide(*pane, 3);
        QCOMPARE(heights.size(), (open - closed + 49) / 50);
        QCOMPARE(heights.first(), closed + 50);
        QCOMPARE(heights.last(), open);
        QVERIFY(!pane->Timer1(3)->isActive());
        QCOMPARE(pane->CTRFond(3)->height(), twipsToPixels(open));
        // The group below followed every step.
        QCOMPARE(pane->titleRect(4).top(), pane->panelRect(3).top() + open + 220);
    }

    void reversingDuringASlideFollowsTheLastRequest()
    {
        pane->setAnimation(true);
        pane->setGRP_Actif(1);
        for (int i = 0; i < 4; ++i)
            pane->Timer1_Timer(1);
        QCOMPARE(pane->panelHeight(1), 375 + 200);
        QTest::mouseClick(pane->Titre(1), Qt::LeftButton);
        QVERIFY(!pane->GRP_Etat(1));
        const QList<int> heights = slide(*pane, 1);
        QCOMPARE(heights.first(), 375 + 150);
        QCOMPARE(heights.last(), 375);
        QVERIFY(!pane->GRP_Etat(1));
    }

    void maximiseWithoutAnimationStacksGroups220TwipsApart()
    {
        pane->Maximise_Tout();
        // The second group holds six items: its four, then "Ajouter un code-barres" and "Ajouter une forme".
        const int openHeights[] = {1870, 2490, 1250, 1560};
        int top = 180;
        for (int g = 1; g <= 4; ++g) {
            QVERIFY(pane->GRP_Etat(g));
            QVERIFY(!pane->isSliding(g));
            QCOMPARE(pane->panelRect(g), QRect(125, top, 3312 - 250, openHeights[g - 1]));
            QCOMPARE(pane->titleRect(g).top(), top);
            QCOMPARE(pane->Titre(g)->geometry(), twipsToPixels(pane->titleRect(g)));
            QCOMPARE(pane->CTRFond(g)->geometry(), twipsToPixels(pane->panelRect(g)));
            top += openHeights[g - 1] + 220;
        }
        pane->Minimise_Tout();
        for (int g = 1; g <= 4; ++g) {
            QVERIFY(!pane->GRP_Etat(g));
            QCOMPARE(pane->panelRect(g).top(), 180 + (g - 1) * (375 + 220));
        }
    }

    void itemsAreNumberedAcrossThePane()
    {
        QCOMPARE(pane->Count(1), 4);
        QCOMPARE(pane->Count(2), 15);
        QCOMPARE(pane->Count(3), 0);
        pane->setGRP_Actif(2);
        QSignalSpy clicks(pane, &BarreXP::ClickLabel);
        TaskItem* item = pane->Label2(8);
        QCOMPARE(item->text(), QStringLiteral("Boite à outils"));
        QCOMPARE(item->parentWidget(), pane->CTRFond(2));
        // Fourth icon of its group: 520 + 3 × (240 + 70) twips below the panel's top.
        QCOMPARE(item->geometry().topLeft(), twipsToPixels(QRect(200, 1450, 1, 1)).topLeft());
        QTest::mouseClick(item, Qt::LeftButton, {}, item->captionRect().center());
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.first().first().toInt(), 8);
        QVERIFY(pane->Creation_Label(9, 1, QStringLiteral("nulle part")) == 0);
    }

    void clickingATitleTogglesThenReports()
    {
        QList<bool> stateSeen;
        connect(pane, &BarreXP::ClickGroupe, this, [&](int g) { stateSeen.append(pane->GRP_Etat(g)); });
        QSignalSpy groups(pane, &BarreXP::ClickGroupe);
        QTest::mouseClick(pane->Titre(2), Qt::LeftButton);
        QTest::mouseClick(pane->Titre(2), Qt::LeftButton);
        QCOMPARE(groups.size(), 2);
        QCOMPARE(groups.at(0).at(0).toInt(), 2);
        QCOMPARE(stateSeen, (QList<bool>{true, false}));
    }

    void titleMenuOffersTheOtherState()
    {
        pane->setGRP_Actif(3);
        QTest::mousePress(pane->Titre(3), Qt::RightButton);
        QMenu* menu = pane->Mnu_Groupe();
        QVERIFY(menu->isVisible());
        const QList<QAction*> entries = menu->actions();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries.at(0)->text(), QStringLiteral("Ouvrir Mise en page"));
        QCOMPARE(entries.at(2)->text(), QStringLiteral("Fermer Mise en page"));
        QVERIFY(!entries.at(0)->isEnabled());
        QVERIFY(entries.at(2)->isEnabled());
        QCOMPARE(entries.at(2)->data().toInt(), 3);
        entries.at(2)->trigger();
        menu->hide();
        QVERIFY(!pane->GRP_Etat(3));

        QTest::mousePress(pane->Titre(3), Qt::RightButton);
        QVERIFY(entries.at(0)->isEnabled());
        QVERIFY(!entries.at(2)->isEnabled());
        entries.at(0)->trigger();
        menu->hide();
        QVERIFY(pane->GRP_Etat(3));
    }

    void fixedDisplayStyleKeepsTheWidth()
    {
        pane->resize(500, 600);
        QCOMPARE(pane->width(), twipsToPixels(3312));
        QCOMPARE(pane->ScaleWidth(), 3312);
        QCOMPARE(pane->titleRect(1).width(), 3062);
        pane->setAffichage(0);
        pane->resize(400, 600);
        QCOMPARE(pane->ScaleWidth(), 400 * 15);
        QCOMPARE(pane->Titre(1)->width(), twipsToPixels(400 * 15 - 250));
    }

    void autoResizeFollowsTheContent()
    {
        pane->setAutoResize(true);
        QCOMPARE(pane->ScaleHeight(), pixelsToTwips(twipsToPixels(180 + 4 * 375 + 3 * 220 + 180)));
        pane->setGRP_Actif(1);
        QCOMPARE(pane->height(), twipsToPixels(180 + 1870 + 3 * 375 + 3 * 220 + 180));
    }

    void hoverColoursAndTheirEnd()
    {
        pane->setGRP_Actif(1);
        TaskItem* item = pane->Label2(2);
        hover(item);
        QVERIFY(item->isHovered());
        QCOMPARE(item->captionColor(), QColor(0x42, 0x8E, 0xFF));
        hover(pane->Titre(2));
        QCOMPARE(pane->Titre(2)->captionColor(), QColor(0x42, 0x8E, 0xFF));
        // Moving over a panel ends every hover effect.
        hover(pane->CTRFond(1), QPoint(3, twipsToPixels(1800)));
        QVERIFY(!item->isHovered());
        QVERIFY(!pane->Titre(2)->isHovered());
        QCOMPARE(item->captionColor(), QColor(0x21, 0x5D, 0xC6));
        hover(item);
        QTest::mouseClick(item, Qt::LeftButton, {}, item->captionRect().center());
        QVERIFY(!item->isHovered());
    }

    void pressOnTheBackgroundReportsTwips()
    {
        QSignalSpy downs(pane, &BarreXP::MouseDown);
        QTest::mousePress(pane, Qt::RightButton, Qt::ShiftModifier, QPoint(4, 6));
        QCOMPARE(downs, (QList<QVariantList>{{2, 1, 60.0f, 90.0f}}));  // button, shift, twips
        QTest::mouseRelease(pane, Qt::RightButton, Qt::ShiftModifier, QPoint(4, 6));
    }

    void titlesAndPanelsPaintInTheirColours()
    {
        pane->setGRP_Actif(1);
        const QImage title = pane->Titre(1)->grab().toImage();
        const QColor left = title.pixelColor(1, title.height() - 2);
        const QColor right = title.pixelColor(title.width() - 2, title.height() - 2);
        QVERIFY(qAbs(left.blue() - 0xEC) <= 3 && qAbs(left.red() - 0xD3) <= 3);
        QVERIFY(qAbs(right.blue() - 0xDA) <= 3 && qAbs(right.red() - 0xA8) <= 3);
        const QImage panel = pane->CTRFond(1)->grab().toImage();
        QCOMPARE(panel.pixelColor(0, panel.height() - 1), QColor(Qt::white));
        QCOMPARE(panel.pixelColor(panel.width() - 1, panel.height() / 2), QColor(Qt::white));
        const QColor under = panel.pixelColor(5, twipsToPixels(450));  // just below the title
        QVERIFY(qAbs(under.red() - 0xD6) <= 6 && qAbs(under.green() - 0xDF) <= 6 && qAbs(under.blue() - 0xF7) <= 6);
    }

    void reinitialiseEmptiesThePane()
    {
        pane->setGRP_Actif(2);
        pane->Reinitialise();
        QCOMPARE(pane->Count(1), 0);
        QCOMPARE(pane->Count(2), 0);
        QVERIFY(!pane->GRP_Etat(1));
        QCOMPARE(pane->Creation_Groupe(QStringLiteral("Nouveau")), 1);
    }

    void aboutTellsWhatTheControlIs()
    {
        pane->About();
        auto* box = pane->findChild<QMessageBox*>();
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Barre XP"));
        box->close();
    }

private:
    test::MainWindowFixture m_fx;
    BarreXP* pane = nullptr;
};

PLK_TEST_CLASS(TestBarreXP)
#include "tst_BarreXP.moc"
