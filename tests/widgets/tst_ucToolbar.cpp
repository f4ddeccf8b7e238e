// The toolbar: buttons and their states, tooltips, the hover events as the pointer
// moves across it, and drop-down arrows.

#include "PointerEvents.h"
#include "support/TestRegistry.h"
#include "widgets/ui/ToolbarButton.h"
#include "widgets/ui/ucToolbar.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

using namespace plk;

namespace {

// What the toolbar reported, in order, as short words.
class EventLog : public QObject {
public:
    explicit EventLog(ucToolbar& bar)
    {
        connect(&bar, &ucToolbar::ButtonClick, this, [this](int b) { log << QStringLiteral("click %1").arg(b); });
        connect(&bar, &ucToolbar::ButtonLeave, this, [this](int b) { log << QStringLiteral("leave %1").arg(b); });
        connect(&bar, &ucToolbar::ButtonEnter, this, [this](int b) { log << QStringLiteral("enter %1").arg(b); });
        connect(&bar, &ucToolbar::ButtonDropDown, this,
                [this](int b, int x, int y) { log << QStringLiteral("dropdown %1 %2 %3").arg(b).arg(x).arg(y); });
        connect(&bar, &ucToolbar::ToolbarLeave, this, [this] { log << QStringLiteral("toolbar leave"); });
        connect(&bar, &ucToolbar::ToolbarEnter, this, [this] { log << QStringLiteral("toolbar enter"); });
    }
    QStringList take() { return std::exchange(log, {}); }

private:
    QStringList log;
};

using test::enter;
using test::leave;
using test::moveOver;

}  // namespace

class TestUcToolbar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        window = new QWidget;
        window->resize(600, 80);
        bar = new ucToolbar(window);
        QVERIFY(bar->Initialize(16, true, true, -1));
        QPixmap strip(48, 16);
        strip.fill(Qt::magenta);
        QCOMPARE(bar->AddBitmap(strip, rgbColor(255, 0, 255)), 0);
        QCOMPARE(bar->AddIcon(QIcon()), 3);
        bar->AddButton(QStringLiteral("Projet"), 0, QStringLiteral("Ajouter un onglet"), ucToolbar::StyleDropDown);
        bar->AddButton(QString(), 0, QString(), ucToolbar::StyleSeparator);
        bar->AddButton(QStringLiteral("Enregistrer"), 1, QStringLiteral("Enregistrer le projet"));
        bar->AddButton(QStringLiteral("Imprimer"), 2, QString(), ucToolbar::StyleButton, false, 42);
        bar->setGeometry(70 / 15, 360 / 15, 500, bar->sizeHint().height());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup() { delete window; }

    void nothingWorksBeforeInitialize()
    {
        ucToolbar fresh;
        QCOMPARE(fresh.AddIcon(QIcon()), 0);
        fresh.AddButton(QStringLiteral("x"), 0);
        QCOMPARE(fresh.ButtonCount(), 0);
        QCOMPARE(fresh.ToolbarHeight(), 0);
        QCOMPARE(fresh.ButtonCaption(1), QString());
    }

    void buttonsAndTheirStyles()
    {
        QCOMPARE(bar->ButtonCount(), 4);
        QCOMPARE(bar->ButtonCaption(3), QStringLiteral("Enregistrer"));
        QCOMPARE(bar->ButtonStyle(1), ucToolbar::StyleDropDown | ucToolbar::StyleAutoSize);
        QCOMPARE(bar->ButtonStyle(2), int(ucToolbar::StyleSeparator));  // never auto-sized
        QCOMPARE(bar->ButtonStyle(4), int(ucToolbar::StyleButton));
        QCOMPARE(bar->ButtonData(4), 42);
        QVERIFY(!bar->buttonWidget(2));
        bar->setButtonCaption(3, QStringLiteral("Sauver"));
        QCOMPARE(bar->buttonWidget(3)->text(), QStringLiteral("Sauver"));
        bar->setButtonImage(3, 2);
        QCOMPARE(bar->ButtonImage(3), 2);
        // Below the divider line, button 1's bottom.
        const ToolbarButton* first = bar->buttonWidget(1);
        QCOMPARE(bar->ToolbarHeight(), first->mapTo(bar, QPoint(0, first->height())).y());
        QVERIFY(first->mapTo(bar, QPoint(0, 0)).y() >= 2);
    }

    void hiddenButtonsAndPlainButtonsDoNotStayChecked()
    {
        bar->setButtonVisible(3, false);
        QVERIFY(!bar->buttonWidget(3)->isVisible());
        bar->setButtonVisible(3, true);
        QVERIFY(bar->buttonWidget(3)->isVisible());
        QSignalSpy clicks(bar, &ucToolbar::ButtonClick);
        QTest::mouseClick(bar->buttonWidget(3), Qt::LeftButton);
        QVERIFY(!bar->ButtonChecked(3));
        QCOMPARE(clicks.size(), 1);
    }

    void tooltipsAreCutTo80Characters()
    {
        const QString tip(100, QLatin1Char('x'));
        bar->setButtonTipText(3, tip);
        QCOMPARE(bar->ButtonTipText(3), tip.left(80));
        QCOMPARE(bar->buttonWidget(3)->toolTip().size(), 80);
        QCOMPARE(bar->buttonWidget(4)->toolTip(), QString());
    }

    void hoverSequences()
    {
        EventLog events(*bar);
        QToolBar* strip = bar->findChild<QToolBar*>();
        enter(bar->buttonWidget(3));
        QCOMPARE(events.take(), (QStringList{"toolbar enter", "enter 3"}));
        leave(bar->buttonWidget(3));
        enter(bar->buttonWidget(1));
        QCOMPARE(events.take(), (QStringList{"leave 3", "enter 1"}));
        // Onto the empty part of the toolbar: nothing is hot any more.
        moveOver(strip, QPoint(strip->width() - 3, 5));
        QCOMPARE(events.take(), (QStringList{"leave 1", "toolbar leave"}));
        bar->setButtonEnabled(4, false);
        enter(bar->buttonWidget(4));
        QCOMPARE(events.take(), QStringList());
        enter(bar->buttonWidget(3));
        QCOMPARE(events.take(), (QStringList{"leave 4", "enter 3"}));
        leave(bar->buttonWidget(3));
        leave(strip);
        QCOMPARE(events.take(), (QStringList{"leave 3", "toolbar leave"}));
    }

    void arrowAsksForTheMenuInsteadOfClicking()
    {
        EventLog events(*bar);
        ToolbarButton* projet = bar->buttonWidget(1);
        const QRect arrow = projet->arrowRect();
        QVERIFY(!arrow.isEmpty());
        QVERIFY(arrow.left() > projet->width() / 2);
        QTest::mouseClick(projet, Qt::LeftButton, {}, arrow.center());
        const QPoint corner = projet->mapTo(window, QPoint(0, projet->height())) * 15;
        QCOMPARE(events.take(), (QStringList{QStringLiteral("dropdown 1 %1 %2").arg(corner.x()).arg(corner.y())}));
        QVERIFY(corner.y() > 360);
        QTest::mouseClick(projet, Qt::LeftButton, {}, QPoint(4, projet->height() / 2));
        QCOMPARE(events.take(), (QStringList{"click 1"}));
        QVERIFY(bar->buttonWidget(3)->arrowRect().isEmpty());
    }

    void maskedStripBecomesTransparent()
    {
        const QImage image = bar->buttonWidget(3)->icon().pixmap(16, 16).toImage();
        QCOMPARE(qAlpha(image.pixel(5, 5)), 0);
    }

    void compactButtonsDropTheirCaptionsWhenTheBarIsTooNarrow()
    {
        bar->AddButton(QStringLiteral("Aperçu des données"), 1, QStringLiteral("Valeurs"), ucToolbar::StyleCompact);
        bar->AddButton(QStringLiteral("|<"), -1, QStringLiteral("Première ligne"), ucToolbar::StyleCompact);
        const int compact = bar->ButtonCount() - 1, textOnly = bar->ButtonCount();
        bar->resize(2000, bar->height());
        QCOMPARE(bar->buttonWidget(compact)->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);

        bar->resize(bar->sizeHint().width() - 10, bar->height());
        QCOMPARE(bar->buttonWidget(compact)->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QCOMPARE(bar->ButtonCaption(compact), QStringLiteral("Aperçu des données"));
        QCOMPARE(bar->ButtonTipText(compact), QStringLiteral("Valeurs"));
        // Buttons of the usual style, and a compact one without an image, keep their captions.
        QCOMPARE(bar->buttonWidget(3)->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        QCOMPARE(bar->buttonWidget(textOnly)->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);

        bar->resize(2000, bar->height());
        QCOMPARE(bar->buttonWidget(compact)->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    }

    void fontAppliesToTheButtons()
    {
        QFont f = bar->Font();
        f.setPointSize(14);
        bar->setFont(f);
        QCOMPARE(bar->buttonWidget(3)->font().pointSize(), 14);
    }

private:
    QWidget* window = nullptr;
    ucToolbar* bar = nullptr;
};

PLK_TEST_CLASS(TestUcToolbar)
#include "tst_ucToolbar.moc"
