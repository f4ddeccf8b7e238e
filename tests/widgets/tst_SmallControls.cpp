// The numeric field, the banner, the etched line and the picture holder.

#include "base/core/Twips.h"
#include "support/TestRegistry.h"
#include "support/WidgetDriving.h"
#include "support/TestSupport.h"
#include "widgets/core/TPict.h"
#include "widgets/ui/HeaderPlus.h"
#include "widgets/ui/Line3D.h"
#include "widgets/ui/TxtBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>

using namespace plk;

namespace {

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

}  // namespace

class TestSmallControls : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void init()
    {
        box = new TxtBox;
        box->setMin(0);
        box->setMax(200);
        box->setValue(50);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box));
    }
    void cleanup() { delete box; }

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

private:
    TxtBox* box = nullptr;
};

PLK_TEST_CLASS(TestSmallControls)
#include "tst_SmallControls.moc"
