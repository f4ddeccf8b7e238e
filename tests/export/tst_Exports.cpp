// Exported pictures and documents: the drawing surfaces and their encoders, the colours a
// picture is reduced to, and a tab exported at a chosen resolution and as PDF and SVG pages.

#include "ExportPictures.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/ImageSurface.h"
#include "canvas/core/TabRenderer.h"
#include "export/core/ColorQuantizer.h"
#include "export/core/EncoderTable.h"
#include "export/core/TabExport.h"
#include "export/core/cGdiPlus.h"
#include "gradient/core/ColorGradient.h"
#include "support/HostileFiles.h"
#include "support/PdfProbe.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

using namespace plk;

namespace {

QByteArray head(const QString& path, int n)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

QImage readBack(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

QImage toImage(const IndexedPicture& p)
{
    QImage image(p.width, p.height, QImage::Format_RGB32);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            image.setPixel(x, y, p.palette[p.pixels[std::size_t(y * p.width + x)]]);
    return image;
}

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

/// How the text's ink strays from its true size and place (width within 2 %, position
/// within 0.1 mm); empty when it does not.
QString strays(const QImage& picture, double dpi)
{
    const TextInk ink = textInk(picture, dpi);
    const double tenth = test::pixelsOf(0.1, dpi);
    if (std::abs(ink.found.width() - ink.expected.width()) <= 0.02 * ink.expected.width() &&
        std::abs(ink.found.left() - ink.expected.left()) <= tenth && std::abs(ink.found.top() - ink.expected.top()) <= tenth)
        return {};
    return QStringLiteral("ink %1,%2 %3 wide, expected %4,%5 %6 wide")
        .arg(ink.found.left())
        .arg(ink.found.top())
        .arg(ink.found.width())
        .arg(ink.expected.left())
        .arg(ink.expected.top())
        .arg(ink.expected.width());
}

}  // namespace

class TestExports : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QImage m_label = test::labelPicture();

    QString path(const QString& name) const { return m_dir.filePath(name); }

    Etiquette m_tab;

private Q_SLOTS:
    void initTestCase()
    {
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

    // Drawing surfaces of the exports, and the colours a picture is reduced to.
    void fileExtensionIsWhatFollowsTheLastDot()
    {
        const std::pair<const char*, const char*> cases[] = {
            {"/tmp/carte.Jpg", "Jpg"}, {"/tmp/carte.v2.png", "png"},           {"/tmp/carte", ""},
            {"/tmp/carte.", ""},       {"/home/me/projets.2024/carte", ""}, {"C:\\Images.old\\carte", ""}};
        for (const auto& [path, extension] : cases)
            QCOMPARE(EncoderTable::FileExtension(QString::fromLatin1(path)), QString::fromLatin1(extension));
    }

    void encoderKeysIgnoreCaseBlanksAndDuplicates()
    {
        EncoderTable table;
        QVERIFY(table.AddEncoderKeys(QStringLiteral("*.JPG; *.JPEG ;*.JPE;"), QLatin1Char(';'), 1));
        QCOMPARE(table.EncoderIndex(QStringLiteral("*.jpeg")), 1);
        QCOMPARE(table.EncoderIndex(QStringLiteral("*.Jpe")), 1);
        QCOMPARE(table.EncoderIndex(QStringLiteral("*.")), -1);
        QCOMPARE(table.EncoderIndex(QString()), -1);
        // A pattern already claimed stops that list: *.PNG after it is never added.
        QVERIFY(!table.AddEncoderKeys(QStringLiteral("*.BMP;*.jpg;*.PNG"), QLatin1Char(';'), 4));
        QCOMPARE(table.EncoderIndex(QStringLiteral("*.JPG")), 1);
        QCOMPARE(table.EncoderIndex(QStringLiteral("*.BMP")), 4);
        QCOMPARE(table.EncoderIndex(QStringLiteral("*.PNG")), -1);
    }

    void encodersAreListedWithTheirPatterns()
    {
        const cGdiPlus gdi;
        QCOMPARE(int(gdi.encoders().size()), 5);
        const struct {
            const char* name;
            EncoderFormat format;
        } names[] = {{"a.bmp", EncoderFormat::Bmp},   {"a.DIB", EncoderFormat::Bmp},  {"a.rle", EncoderFormat::Bmp},
                     {"a.jpg", EncoderFormat::Jpeg},  {"a.jpeg", EncoderFormat::Jpeg}, {"a.Jpe", EncoderFormat::Jpeg},
                     {"a.JFIF", EncoderFormat::Jpeg}, {"a.gif", EncoderFormat::Gif},  {"a.tif", EncoderFormat::Tiff},
                     {"a.TIFF", EncoderFormat::Tiff}, {"a.png", EncoderFormat::Png}};
        for (const auto& n : names) {
            const int index = gdi.encoderFor(QString::fromLatin1(n.name));
            QVERIFY2(index >= 0, n.name);
            QVERIFY2(gdi.encoders()[std::size_t(index)].format == n.format, n.name);
        }
        QCOMPARE(gdi.encoderFor(QStringLiteral("a.webp")), -1);
    }

    void errorTexts()
    {
        const std::pair<int, const char*> texts[] = {
            {1, "Generic Error"},          {7, "Win32 Error"},           {13, "Unknown Image Format"},
            {14, "FontFamily Not Found"},  {20, "Property Not Supported"}, {0, "Unknown GDI+ Error"},
            {21, "Unknown GDI+ Error"},    {-1, "Unknown GDI+ Error"},   {1000, "Unknown GDI+ Error"}};
        for (const auto& [code, text] : texts)
            QCOMPARE(cGdiPlus::GdiErrorString(code), QString::fromLatin1(text));
    }

    void losslessFormatsGiveThePixelsBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("bmp") << "carte.bmp" << QByteArray("BM");
        QTest::newRow("dib") << "carte.DIB" << QByteArray("BM");
        QTest::newRow("png") << "carte.png" << QByteArray("\x89PNG");
        QTest::newRow("tif") << "carte.tif" << QByteArray("II*");
        QTest::newRow("tiff") << "carte.Tiff" << QByteArray("II*");
    }

    void losslessFormatsGiveThePixelsBack()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, magic);
        cGdiPlus gdi;
        QSignalSpy errors(&gdi, &cGdiPlus::Error);
        QVERIFY(gdi.PictureBoxToFile(m_label, path(name), 70));
        QCOMPARE(errors.count(), 0);
        QCOMPARE(head(path(name), magic.size()), magic);
        QCOMPARE(readBack(path(name)), m_label);
    }

    void gifIsCloseAndSmooth()
    {
        cGdiPlus gdi;
        QVERIFY(gdi.PictureBoxToFile(m_label, path(QStringLiteral("carte.gif")), 70));
        QCOMPARE(head(path(QStringLiteral("carte.gif")), 4), QByteArray("GIF8"));
        const QImage back = readBack(path(QStringLiteral("carte.gif")));
        const test::PixelDifference pixels = test::compare(back, m_label);
        QVERIFY2(pixels.mean <= 2.0 && pixels.max <= 24, qPrintable(QString::number(pixels.mean)));
        // Seen from a little way off, the dithered gradient has no bands.
        const test::PixelDifference blurred = test::compare(back, m_label, 2);
        QVERIFY2(blurred.mean <= 1.0 && blurred.max <= 6,
                 qPrintable(QStringLiteral("%1 %2").arg(blurred.mean).arg(blurred.max)));
    }

    void jpegUsesTheQuality()
    {
        cGdiPlus gdi;
        QVERIFY(gdi.PictureBoxToFile(m_label, path(QStringLiteral("fine.jpg")), 100));
        QVERIFY(gdi.PictureBoxToFile(m_label, path(QStringLiteral("coarse.jpg")), 10));
        QCOMPARE(head(path(QStringLiteral("fine.jpg")), 3), QByteArray("\xFF\xD8\xFF"));
        const test::PixelDifference fine = test::compare(readBack(path(QStringLiteral("fine.jpg"))), m_label);
        const test::PixelDifference coarse = test::compare(readBack(path(QStringLiteral("coarse.jpg"))), m_label);
        // The largest differences sit at the dark bar's edges, where colour is kept at half resolution.
        QVERIFY2(fine.mean <= 1.5 && fine.max <= 64, qPrintable(QStringLiteral("%1 %2").arg(fine.mean).arg(fine.max)));
        QVERIFY(coarse.mean > fine.mean + 1.0);
        QVERIFY(QFile(path(QStringLiteral("coarse.jpg"))).size() < QFile(path(QStringLiteral("fine.jpg"))).size() / 2);

        // Every JPEG name starts with J, so each carries the quality.
        for (const QString& name : {QStringLiteral("a.jpeg"), QStringLiteral("a.JPE"), QStringLiteral("a.jfif")}) {
            QVERIFY(gdi.PictureBoxToFile(m_label, path(name), 10));
            QCOMPARE(QFile(path(name)).size(), QFile(path(QStringLiteral("coarse.jpg"))).size());
        }
    }

    void otherFormatsIgnoreTheQuality()
    {
        cGdiPlus gdi;
        QSignalSpy errors(&gdi, &cGdiPlus::Error);
        QVERIFY(gdi.PictureBoxToFile(m_label, path(QStringLiteral("q0.png")), 0));
        QVERIFY(gdi.PictureBoxToFile(m_label, path(QStringLiteral("q500.png")), 500));
        QCOMPARE(errors.count(), 0);
        QFile a(path(QStringLiteral("q0.png"))), b(path(QStringLiteral("q500.png")));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), b.readAll());
    }

    void namesNoEncoderClaimsFailQuietly()
    {
        cGdiPlus gdi;
        QSignalSpy errors(&gdi, &cGdiPlus::Error);
        for (const QString& name : {QStringLiteral("carte"), QStringLiteral("carte."), QStringLiteral("carte.xyz")}) {
            QVERIFY(!gdi.PictureBoxToFile(m_label, path(name), 70));
            QVERIFY(!QFile::exists(path(name)));
        }
        QCOMPARE(errors.count(), 0);
    }

    void failuresRaiseErrorAndKeepTheOldFile()
    {
        const QString target = path(QStringLiteral("keep.jpg"));
        cGdiPlus gdi;
        QVERIFY(gdi.PictureBoxToFile(m_label, target, 80));
        const qint64 size = QFile(target).size();
        QSignalSpy errors(&gdi, &cGdiPlus::Error);

        QVERIFY(!gdi.PictureBoxToFile(m_label, target, 101));
        QVERIFY(!gdi.PictureBoxToFile(QImage(), target, 80));
        QCOMPARE(errors.count(), 2);
        QCOMPARE(errors.at(0).at(0).toInt(), 2);
        QCOMPARE(errors.at(0).at(1).toString(), QStringLiteral("Invalid Parameter"));
        QCOMPARE(QFile(target).size(), size);

        // A file the system refuses is explained in the system's words.
        QVERIFY(!gdi.PictureBoxToFile(m_label, path(QStringLiteral("no/such/folder/carte.png")), 0));
        QCOMPARE(errors.count(), 3);
        QCOMPARE(errors.at(2).at(0).toInt(), 7);
        QCOMPARE(errors.at(2).at(1).toString(), plk::test::systemReason(ENOENT));

        // So is a disk that fills up while the picture is written: the old file stays.
        {
            const plk::test::FileSizeLimit full(1000);
            QVERIFY(!gdi.PictureBoxToFile(m_label, target, 100));
        }
        QCOMPARE(errors.count(), 4);
        QCOMPARE(errors.at(3).at(0).toInt(), 7);
        QCOMPARE(errors.at(3).at(1).toString(), plk::test::systemReason(EFBIG));
        QCOMPARE(QFile(target).size(), size);
        QCOMPARE(QDir(path(QString())).entryList({QStringLiteral("keep.jpg*")}, QDir::Files).size(), 1);
    }

    void fewColoursStayExact()
    {
        QImage image(64, 16, QImage::Format_RGB32);
        for (int x = 0; x < 64; ++x)
            for (int y = 0; y < 16; ++y)
                image.setPixel(x, y, qRgb(x * 4, (y % 4) * 80, 7));  // 64 x 4 = 256 colours
        const IndexedPicture p = ColorQuantizer().quantize(image);
        QCOMPARE(int(p.palette.size()), 256);
        QCOMPARE(toImage(p), image);
    }

    void manyColoursGetAFullPalette()
    {
        const QImage label = test::labelPicture();
        const IndexedPicture p = ColorQuantizer().quantize(label);
        QCOMPARE(p.width, label.width());
        QCOMPARE(p.height, label.height());
        QCOMPARE(int(p.palette.size()), 256);
        QSet<QRgb> distinct(p.palette.begin(), p.palette.end());
        QVERIFY(distinct.size() > 200);
        // The flat bar and square keep their own colours exactly.
        const QImage back = toImage(p);
        QCOMPARE(back.pixel(100, 160), qRgb(20, 20, 30));
        QCOMPARE(back.pixel(300, 50), qRgb(255, 255, 255));
    }

    void ditheringSmoothsTheGradient()
    {
        const QImage label = test::labelPicture();
        const QImage plain = toImage(ColorQuantizer(ColorQuantizer::Dithering::None).quantize(label));
        const QImage dithered = toImage(ColorQuantizer().quantize(label));
        // Pixel by pixel both are close; seen from a little way off, dithering is closer.
        QVERIFY(test::compare(plain, label).max <= 24);
        const double plainBlur = test::compare(plain, label, 2).mean;
        const double ditheredBlur = test::compare(dithered, label, 2).mean;
        QVERIFY2(ditheredBlur < plainBlur, qPrintable(QStringLiteral("%1 %2").arg(ditheredBlur).arg(plainBlur)));
    }

    // A tab exported at a chosen resolution and as PDF and SVG pages: everything painted
    // at that resolution, texts at their true size, pictures saying their resolution.
    void aPictureAtAResolutionIsPaintedAtIt()
    {
        PLK_REQUIRE_TAHOMA();
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
        QCOMPARE(strays(picture, 300), QString());

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
        PLK_REQUIRE_TAHOMA();
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
        QCOMPARE(strays(fine, 600), QString());

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
        PLK_REQUIRE_TAHOMA();
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
        QCOMPARE(strays(drawn, 254), QString());
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

PLK_TEST_CLASS(TestExports)
#include "tst_Exports.moc"
