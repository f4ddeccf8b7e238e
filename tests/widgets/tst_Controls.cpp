// The small controls: number boxes, the banner, the toolbar and its buttons, the font
// dialog, and floating windows beside the window they serve.

#include "PointerEvents.h"
#include "base/core/Twips.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"
#include "support/WidgetDriving.h"
#include "widgets/core/TPict.h"
#include "widgets/core/WindowPlacement.h"
#include "widgets/ui/FontChooser.h"
#include "widgets/ui/HeaderPlus.h"
#include "widgets/ui/Line3D.h"
#include "widgets/ui/ToolbarButton.h"
#include "widgets/ui/TxtBox.h"
#include "widgets/ui/ucToolbar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyleOptionSlider>
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

// Clicks the bar's top or bottom arrow as a user would.
void clickArrow(QScrollBar* bar, bool top)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    const QRect r = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                 top ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine, bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, r.center());
}

QImage drawn(const QFont& font)
{
    QImage image(120, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QFont f = font;
    f.setPixelSize(30);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(4, 32, QStringLiteral("IIII"));
    return image;
}

}  // namespace

class TestControls : public QObject {
    Q_OBJECT

    QWidget* window = nullptr;
    ucToolbar* bar = nullptr;
    TxtBox* box = nullptr;

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
        box = new TxtBox;
        box->setMin(0);
        box->setMax(200);
        box->setValue(50);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box));
    }
    void cleanup()
    {
        delete window;
        delete box;
    }

    // The toolbar: buttons and their states, tooltips, the hover events as the pointer
    // moves across it, and drop-down arrows.
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

    // The numeric field, the banner, the etched line and the picture holder.
    void fieldKeepsItsFixedSize()
    {
        QCOMPARE(box->size(), twipsToPixels(QSize(990, 315)));
        box->resize(300, 100);
        QCOMPARE(box->size(), QSize(66, 21));
        QCOMPARE(box->MaxLength(), 3);
    }

    void upArrowIncreasesAndShowsTheNumber()
    {
        QSignalSpy changes(box, &TxtBox::Change);
        QCOMPARE(box->Text(), QStringLiteral("50"));
        clickArrow(box->VS1(), true);
        QCOMPARE(box->Value(), 51);
        QCOMPARE(box->Text(), QStringLiteral("51"));
        QCOMPARE(box->Text1()->cursorPosition(), 2);
        clickArrow(box->VS1(), false);
        clickArrow(box->VS1(), false);
        QCOMPARE(box->Value(), 49);
        QCOMPARE(changes.size(), 3);
    }

    void storedRangeRunsTheSameWay()
    {
        TxtBox stored;
        stored.loadRange(200, 0);
        stored.setValue(10);
        clickArrow(stored.VS1(), true);
        QCOMPARE(stored.Value(), 11);
        stored.setValue(-30);
        QCOMPARE(stored.Value(), 30);
        stored.setValue(900);
        QCOMPARE(stored.Value(), 200);
    }

    void typingOnlyTakesDigits()
    {
        QSignalSpy changes(box, &TxtBox::Change);
        box->Text1()->setFocus();
        QTest::keyClick(box->Text1(), Qt::Key_End);
        QTest::keyClick(box->Text1(), Qt::Key_A);
        QTest::keyClicks(box->Text1(), QStringLiteral("-,."));
        QCOMPARE(box->Text(), QStringLiteral("50"));
        QCOMPARE(changes.size(), 0);
        QTest::keyClick(box->Text1(), Qt::Key_Backspace);
        QTest::keyClick(box->Text1(), Qt::Key_7);
        QCOMPARE(box->Text(), QStringLiteral("57"));
        QCOMPARE(box->Value(), 57);
        QCOMPARE(changes.size(), 2);
    }

    void outOfRangeTextLeavesTheValue()
    {
        test::typeInto(box, QStringLiteral("250"));
        QCOMPARE(box->Text(), QStringLiteral("250"));
        QCOMPARE(box->Value(), 25);  // the last number within the range: "2", "25", then "250"
        box->setText(QStringLiteral("abc"));
        QCOMPARE(box->Value(), 25);
    }

    void typedNumberOutOfRangeSettlesOnTheNearestEnd()
    {
        QWidget dialog;
        auto* other = new QLineEdit(&dialog);
        box->setParent(&dialog);
        box->move(0, 40);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));

        // Leaving the field: 250 becomes 200, shown and taken, with one change more.
        QSignalSpy changes(box, &TxtBox::Change);
        box->Text1()->setFocus();
        test::typeInto(box, QStringLiteral("250"));
        QCOMPARE(changes.size(), 3);
        other->setFocus();
        QCOMPARE(box->Text(), QStringLiteral("200"));
        QCOMPARE(box->Value(), 200);
        QCOMPARE(changes.size(), 4);

        // The dialog acting, while the field still has the focus.
        box->setMin(10);
        box->Text1()->setFocus();
        test::typeInto(box, QStringLiteral("7"));
        QCOMPARE(box->Value(), 200);
        TxtBox::settleAll(&dialog);
        QCOMPARE(box->Text(), QStringLiteral("10"));
        QCOMPARE(box->Value(), 10);

        // A number the program shows is left as it is; so is one typed within the range.
        box->setText(QStringLiteral("250"));
        TxtBox::settleAll(&dialog);
        QCOMPARE(box->Text(), QStringLiteral("250"));
        test::typeInto(box, QStringLiteral("120"));
        other->setFocus();
        QCOMPARE(box->Text(), QStringLiteral("120"));
        QCOMPARE(box->Value(), 120);

        box->setParent(nullptr);  // cleanup() deletes it
    }

    void clearedFieldShowsOne()
    {
        QSignalSpy changes(box, &TxtBox::Change);
        box->Text1()->selectAll();
        QTest::keyClick(box->Text1(), Qt::Key_Backspace);
        QCOMPARE(box->Text(), QStringLiteral("1"));
        QCOMPARE(box->Value(), 1);
        QCOMPARE(changes.size(), 1);
    }

    void focusSelectsTheWholeText()
    {
        box->Text1()->deselect();
        box->Text1()->clearFocus();
        box->activateWindow();
        box->Text1()->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();  // the selection follows the focus event
        QCOMPARE(box->Text1()->selectedText(), QStringLiteral("50"));
    }

    void bannerDefaultsAndLayout()
    {
        PLK_REQUIRE_TAHOMA();
        QWidget dialog;
        dialog.resize(480, 300);
        auto* header = new HeaderPlus(&dialog);
        header->setGeometry(0, 0, 480, 10);
        QCOMPARE(header->height(), twipsToPixels(975));
        QCOMPARE(header->Label1()->text(), QStringLiteral("Titre principal"));
        QCOMPARE(header->Label2()->text(), QStringLiteral("Description courte"));
        QCOMPARE(header->Label1()->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(header->Label1()->font().pointSize(), 9);
        QCOMPARE(header->Label2()->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(header->Label2()->font().pointSize(), 8);
        header->setCaption1(QStringLiteral("Exporter le projet"));
        QCOMPARE(header->Label1()->text(), QStringLiteral("Exporter le projet"));
        header->setFontName(QStringLiteral("DejaVu Sans"));
        header->setSize1(12);
        QCOMPARE(header->Label1()->font().pointSize(), 12);
        QCOMPARE(header->Label2()->font().family(), QStringLiteral("Tahoma"));
        // A white band with the etched line along its bottom.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage image = header->grab().toImage();
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
        QCOMPARE(image.pixelColor(10, image.height() - 2), QColor(0xA0, 0xA0, 0xA0));
        QCOMPARE(image.pixelColor(10, image.height() - 1), QColor(Qt::white));
    }

    void etchedLineIsTwoPixelsHigh()
    {
        Line3D line;
        line.resize(100, 40);
        QCOMPARE(line.height(), 2);
        const QImage image = line.grab().toImage();
        QCOMPARE(image.pixelColor(50, 0), QColor(0xA0, 0xA0, 0xA0));
        QCOMPARE(image.pixelColor(50, 1), QColor(Qt::white));
    }

    void pictureHolderCountsFromOne()
    {
        TPict list;
        QPixmap red(4, 4);
        red.fill(Qt::red);
        QCOMPARE(list.add(QIcon(red)), 1);
        QCOMPARE(list.add(QIcon()), 2);
        QCOMPARE(list.ListImages(1).pixmap(4, 4).toImage().pixelColor(1, 1), QColor(Qt::red));
        QVERIFY(list.ListImages(0).isNull());
        QVERIFY(list.ListImages(3).isNull());
    }

    // The font dialog: every family offers the four styles, and what is chosen there is
    // what the text is drawn with, also where Qt has to slant or thicken the face.
    void italicSurvivesAFamilyWithoutAnItalicFace()
    {
        PLK_REQUIRE_TAHOMA();
        // Tahoma comes with a regular and a bold face only.
        QFont tahoma(QStringLiteral("Tahoma"), 9);
        tahoma.setItalic(true);
        FontChooser chooser(tahoma, std::nullopt);
        QCOMPARE(chooser.styleBox()->currentText(), QStringLiteral("Italique"));
        QCOMPARE(chooser.familyBox()->currentText(), QStringLiteral("Tahoma"));
        QCOMPARE(chooser.sizeBox()->value(), 9);
        QFont chosen = chooser.selectedFont();
        QVERIFY(chosen.italic());
        QVERIFY(!chosen.bold());
        QCOMPARE(chosen.family(), QStringLiteral("Tahoma"));
        // Qt draws it slanted: not the upright picture.
        QFont upright = chosen;
        upright.setItalic(false);
        QVERIFY(drawn(chosen) != drawn(upright));

        chooser.styleBox()->setCurrentIndex(FontChooser::GrasItalique);
        chosen = chooser.selectedFont();
        QVERIFY(chosen.bold() && chosen.italic());
        QCOMPARE(chooser.styleBox()->count(), 4);
        QCOMPARE(chooser.preview()->font().italic(), true);
    }

    void effectsOnlyWhenAsked()
    {
        QFont underlined(QStringLiteral("Tahoma"), 8);
        underlined.setUnderline(true);
        FontChooser plain(underlined, std::nullopt);
        QVERIFY(plain.effects()->isHidden());
        QVERIFY(plain.selectedFont().underline());  // kept as it came

        FontChooser withEffects(underlined, QColor(0, 0, 200));
        QVERIFY(!withEffects.effects()->isHidden());
        QVERIFY(withEffects.underlineBox()->isChecked());
        QCOMPARE(withEffects.selectedColour(), QColor(0, 0, 200));
        QCOMPARE(withEffects.preview()->palette().color(QPalette::WindowText), QColor(0, 0, 200));
        withEffects.underlineBox()->setChecked(false);
        withEffects.strikeOutBox()->setChecked(true);
        withEffects.setColour(QColor(Qt::red));
        QVERIFY(!withEffects.selectedFont().underline());
        QVERIFY(withEffects.selectedFont().strikeOut());
        QCOMPARE(withEffects.selectedColour(), QColor(Qt::red));
        QCOMPARE(withEffects.colourButton()->icon().pixmap(32, 14).toImage().pixelColor(16, 7), QColor(Qt::red));
    }

    void aFamilyThatIsNotInstalledStays()
    {
        FontChooser chooser(QFont(QStringLiteral("Police Absente")), std::nullopt);
        QCOMPARE(chooser.selectedFont().family(), QStringLiteral("Police Absente"));
    }

    // Floating windows beside the window they serve, never off the screen.
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

PLK_TEST_CLASS(TestControls)
#include "tst_Controls.moc"
