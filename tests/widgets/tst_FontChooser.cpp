// The font dialog: every family offers the four styles, and what is chosen there is
// what the text is drawn with, also where Qt has to slant or thicken the face.

#include "support/TestRegistry.h"
#include "support/TestSupport.h"
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

class TestFontChooser : public QObject {
    Q_OBJECT

private Q_SLOTS:

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
};

PLK_TEST_CLASS(TestFontChooser)
#include "tst_FontChooser.moc"
