// A tab exported at a chosen resolution and as PDF and SVG pages: everything painted
// at that resolution, texts at their true size, pictures saying their resolution.

#include "canvas/core/Etiquette.h"
#include "canvas/core/ImageSurface.h"
#include "canvas/core/TabRenderer.h"
#include "export/core/TabExport.h"
#include "export/core/cGdiPlus.h"
#include "gradient/core/ColorGradient.h"
#include "support/HostileFiles.h"
#include "support/PdfProbe.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>

using namespace plk;

namespace {

const QString kText = QStringLiteral("HHHHHHHHHH");
constexpr double kTextLeft = 5, kTextTop = 20;
constexpr double kLogoLeft = 30, kLogoTop = 35;

bool dark(QRgb p) { return qGray(p) < 90; }

/// The ink of the tab's text in a picture of it at `dpi`, and where it should be.
struct TextInk {
    QRect found;
    QRectF expected;
};

TextInk textInk(const QImage& picture, double dpi)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(10);
    const QRectF expected = test::expectedInk(font, kText, QPointF(kTextLeft, kTextTop), dpi);
    const double mm = test::pixelsOf(1, dpi);
    return {test::inkBox(picture, expected.adjusted(-mm, -mm, mm, mm).toRect(), dark), expected};
}

/// Width within 2 %, position within 0.1 mm.
bool trueSizeAndPlace(const TextInk& ink, double dpi)
{
    const double tenth = test::pixelsOf(0.1, dpi);
    return std::abs(ink.found.width() - ink.expected.width()) <= 0.02 * ink.expected.width() &&
           std::abs(ink.found.left() - ink.expected.left()) <= tenth &&
           std::abs(ink.found.top() - ink.expected.top()) <= tenth;
}

QString describe(const TextInk& ink)
{
    return QStringLiteral("ink %1,%2 %3 wide, expected %4,%5 %6 wide")
        .arg(ink.found.left())
        .arg(ink.found.top())
        .arg(ink.found.width())
        .arg(ink.expected.left())
        .arg(ink.expected.top())
        .arg(ink.expected.width());
}

}  // namespace

class TestTabExport : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Etiquette m_tab;

private Q_SLOTS:
    void initTestCase()
    {
        test::initFonts();
        // 50 x 50 mm, red border, a pale left-to-right gradient, a black text and a
        // logo whose left half is red and right half green.
        m_tab.NewProjet(QStringLiteral("Carte"), 50, 50, rgbColor(255, 255, 255), rgbColor(255, 0, 0), false, false,
                        true);
        m_tab.pctDegrade(3, rgbColor(255, 230, 200), rgbColor(230, 255, 230), rgbColor(200, 220, 255));
        m_tab.NewLabel(kTextTop, kTextLeft);
        m_tab.Caption(1, kText);
        m_tab.FontStyle(1, QStringLiteral("Tahoma"), 10, false, false, false, false);
        m_tab.FontCouleur(1, 0);
        QImage halves(2, 1, QImage::Format_RGB32);
        halves.setPixelColor(0, 0, Qt::red);
        halves.setPixelColor(1, 0, Qt::green);
        QVERIFY(halves.save(m_dir.filePath("moities.png")));
        m_tab.NewLogo(kLogoTop, kLogoLeft);
        m_tab.Image(1, m_dir.filePath("moities.png"));
        m_tab.SizeLogo(1, 10, 5);
    }

    void aPictureAtAResolutionIsPaintedAtIt()
    {
        const TabRenderer renderer(m_tab);
        const QImage picture = renderer.picture(300);
        QCOMPARE(picture.size(), QSize(591, 591));
        QCOMPARE(picture.dotsPerMeterX(), 11811);
        QCOMPARE(picture.dotsPerMeterY(), 11811);

        // The background is the gradient painted at 591 pixels across, not the
        // screen's 189 enlarged.
        ImageSurface reference(QSize(591, 591), 300);
        reference.setScaleMode(Surface::ScaleMode::Twips);
        ColorGradient gradient;
        gradient.SetColor(0, rgbColor(255, 230, 200));
        gradient.SetColor(5, rgbColor(230, 255, 230));
        gradient.SetColor(10, rgbColor(200, 220, 255));
        gradient.PaintObject(reference, 7);
        QCOMPARE(renderer.background(300), reference.image());

        // The border as wide as a screen pixel, three of these.
        QCOMPARE(picture.pixelColor(0, 300), QColor(Qt::red));
        QCOMPARE(picture.pixelColor(2, 300), QColor(Qt::red));
        QCOMPARE(picture.pixelColor(3, 300), reference.image().pixelColor(3, 300));
        // The logo, its halves where they belong.
        const auto at = [](double mm) { return int(test::pixelsOf(mm, 300)); };
        QCOMPARE(picture.pixelColor(at(kLogoLeft + 1.5), at(kLogoTop + 2.5)), QColor(Qt::red));
        QCOMPARE(picture.pixelColor(at(kLogoLeft + 8.5), at(kLogoTop + 2.5)), QColor(Qt::green));
        // The text at its true size and place.
        const TextInk ink = textInk(picture, 300);
        QVERIFY2(trueSizeAndPlace(ink, 300), qPrintable(describe(ink)));

        // At the screen's resolution, the picture the canvas shows.
        QCOMPARE(renderer.picture(96), m_tab.Picture());
        QCOMPARE(renderer.picture(96, true), m_tab.Picture(true));
        QVERIFY(textInk(renderer.picture(300, true), 300).found.isNull());
    }

    void picturesSayTheirResolution_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("PNG") << "carte.png";
        QTest::newRow("JPEG") << "carte.jpg";
        QTest::newRow("TIFF") << "carte.tif";
    }

    void picturesSayTheirResolution()
    {
        QFETCH(QString, name);
        cGdiPlus writer;
        const QString file = m_dir.filePath(name);
        QVERIFY(exportTab(writer, m_tab, file, ExportSettings{600, 90, false}));
        const QImage written(file);
        QCOMPARE(written.size(), QSize(1181, 1181));
        QCOMPARE(written.dotsPerMeterX(), 23622);
        QCOMPARE(written.dotsPerMeterY(), 23622);
    }

    void aPdfPageIsTheTabWithItsTextsAndSharpPictures()
    {
        cGdiPlus writer;
        const QString pdf = m_dir.filePath("carte.pdf");
        QImage untouched(1, 1, QImage::Format_RGB32);
        QVERIFY(exportTab(writer, m_tab, pdf, ExportSettings{96, 80, false}, &untouched));
        QCOMPARE(untouched.size(), QSize(1, 1));  // no picture for a document
        QCOMPARE(test::pdfText(pdf).trimmed(), kText);

        // One page of 50 x 50 mm (pdftoppm rounds its pixels up).
        const QImage page = test::rasteriseArea(pdf, 1, 254, QRectF(0, 0, 60, 60));
        QVERIFY2(std::abs(page.width() - 500) <= 1 && std::abs(page.height() - 500) <= 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(page.width()).arg(page.height())));
        const QImage fine = test::rasteriseArea(pdf, 1, 600, QRectF(0, 0, 50, 50));
        const TextInk ink = textInk(fine, 600);
        QVERIFY2(trueSizeAndPlace(ink, 600), qPrintable(describe(ink)));

        const QList<test::PdfImage> images = test::pdfImages(pdf);
        QCOMPARE(images.size(), 2);
        QCOMPARE(images[0].width, 591);  // the background, at 300 dpi for a 96-dpi export
        QVERIFY(images[0].xPpi >= 300);
        QCOMPARE(images[1].width, 2);  // the logo's own picture
        for (const test::PdfImage& image : images)
            QCOMPARE(image.encoding, QStringLiteral("image"));

        // A finer resolution asked for: a finer background.
        QVERIFY(exportTab(writer, m_tab, pdf, ExportSettings{600, 80, false}));
        QCOMPARE(test::pdfImages(pdf).at(0).width, 1181);
        // The canvas alone: no text.
        QVERIFY(exportTab(writer, m_tab, pdf, ExportSettings{96, 80, true}));
        QVERIFY(test::pdfText(pdf).trimmed().isEmpty());
    }

    void anSvgDrawingKeepsItsTextsAsText()
    {
        cGdiPlus writer;
        const QString svg = m_dir.filePath("carte.SVG");
        QVERIFY(exportTab(writer, m_tab, svg, ExportSettings{}));
        const QByteArray xml = test::readBytes(svg);
        QVERIFY(xml.contains("width=\"50mm\" height=\"50mm\""));
        QVERIFY(xml.contains(">" + kText.toUtf8() + "</text>"));
        QCOMPARE(xml.count("<image"), 2);

        // Drawn, it looks like the picture of the tab.
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QImage drawn(500, 500, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        renderer.render(&painter);
        painter.end();
        const QImage picture = TabRenderer(m_tab).picture(254).convertToFormat(QImage::Format_RGB32);
        const TextInk ink = textInk(drawn, 254);
        QVERIFY2(trueSizeAndPlace(ink, 254), qPrintable(describe(ink)));
        const QPoint logo(int(test::pixelsOf(kLogoLeft + 1.5, 254)), int(test::pixelsOf(kLogoTop + 2.5, 254)));
        QCOMPARE(drawn.pixelColor(logo), QColor(Qt::red));
        QCOMPARE(drawn.pixelColor(250, 400), picture.pixelColor(250, 400));
    }

    void aPictureBackgroundIsStretchedFromItsFile()
    {
        QImage halves(2, 1, QImage::Format_RGB32);
        halves.setPixelColor(0, 0, Qt::blue);
        halves.setPixelColor(1, 0, Qt::yellow);
        const QString file = m_dir.filePath("fond.png");
        QVERIFY(halves.save(file));
        Etiquette tab;
        tab.NewProjet(QStringLiteral("Fond"), 40, 20, rgbColor(255, 255, 255), 0, false, false, false);
        tab.pctPicture(file);
        const auto halvesShow = [&tab] {
            const QImage fine = TabRenderer(tab).picture(300);
            return fine.size() == QSize(473, 236) && fine.pixelColor(100, 118) == QColor(Qt::blue) &&
                   fine.pixelColor(372, 118) == QColor(Qt::yellow);
        };
        QVERIFY(halvesShow());
        // A file gone since leaves the picture the canvas shows.
        QVERIFY(QFile::remove(file));
        QVERIFY(halvesShow());
    }

    void aTabTooLargeForTheResolutionIsNotExported()
    {
        // A metre square, the largest tab there is, at 600 dpi: 558 million pixels.
        Etiquette huge;
        huge.NewProjet(QStringLiteral("Immense"), 1000, 1000, rgbColor(0, 255, 0), 0, false, false, false);
        QVERIFY(TabRenderer(huge).picture(600).isNull());
        cGdiPlus writer;
        QVERIFY(!exportTab(writer, huge, m_dir.filePath("immense.png"), ExportSettings{600, 80, false}));
        QVERIFY(!QFile::exists(m_dir.filePath("immense.png")));
        // A page embeds its background at the highest resolution within bounded memory.
        QVERIFY(exportTab(writer, huge, m_dir.filePath("immense.pdf"), ExportSettings{600, 80, false}));
    }

    void otherNamesAndUnwritablePlacesFail()
    {
        cGdiPlus writer;
        QVERIFY(!documentFormatFor(QStringLiteral("carte.pdf.png")));
        QVERIFY(!documentFormatFor(QStringLiteral("dossier.pdf/carte")));
        QCOMPARE(documentFormatFor(QStringLiteral("Carte.Pdf")), DocumentFormat::Pdf);
        for (const char* name : {"absent/carte.pdf", "absent/carte.svg", "carte.xyz"}) {
            QVERIFY(!exportTab(writer, m_tab, m_dir.filePath(name), ExportSettings{}));
            QVERIFY(!QFile::exists(m_dir.filePath(name)));
        }
        // An existing file stays as it was when the new one cannot be written (the disk
        // fills up), and the system says why.
        const QString existing = m_dir.filePath("garde.pdf");
        test::writeBytes(existing, "ancien");
        QSignalSpy errors(&writer, &cGdiPlus::Error);
        {
            const test::FileSizeLimit full(100);
            QVERIFY(!exportTab(writer, m_tab, existing, ExportSettings{}));
        }
        QCOMPARE(test::readBytes(existing), QByteArray("ancien"));
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors.at(0).at(1).toString(), test::systemReason(EFBIG));
    }
};

QTEST_MAIN(TestTabExport)
#include "tst_TabExport.moc"
