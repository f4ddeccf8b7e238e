// Fonts and floating windows.

#include "support/TestRegistry.h"
#include "support/TestSupport.h"
#include "widgets/core/WindowPlacement.h"
#include "widgets/ui/FontChooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace plk;

namespace {

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

class TestFontsAndPlacement : public QObject {
    Q_OBJECT

private Q_SLOTS:

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

PLK_TEST_CLASS(TestFontsAndPlacement)
#include "tst_FontsAndPlacement.moc"
