// Printed labels at every print quality, looked at as a print shop would: PDF pages
// rasterised at 600 dpi, texts measured against their true size, the pictures the
// PDF holds, and where everything lands on the sheet.

#include "canvas/core/Etiquette.h"
#include "document/core/Project.h"
#include "document/core/ProjectFile.h"
#include "print/PrintTests.h"
#include "print/core/PrintJob.h"
#include "support/PdfProbe.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

namespace {

constexpr int kDpi = 600;
constexpr double kPositionMm = 0.1;
const QString kText = QStringLiteral("HHHHHHHHHH");

struct PlacedText {
    double pointSize;
    QPointF at;  // mm within the label
};
const PlacedText kTexts[] = {{7, {5, 5}}, {10, {5, 15}}, {14, {5, 28}}};

// 80 x 50 mm with a pale blue diagonal gradient, three texts and a 20 x 20 mm logo
// at (55, 5); two labels across, two sheets, from (10, 10).
QByteArray project(const QString& logo)
{
    QByteArray bytes = "ONGLET|Qualite\r\n"
                       "PROJET|Qualite|80|50|16777215|0|Faux|Faux|Faux|Faux|Faux\r\n";
    for (const PlacedText& t : kTexts)
        bytes += QStringLiteral("LABEL|%1|%2|%3|Tahoma|%4|Faux|Faux|Faux|Faux|0\r\n")
                     .arg(kText)
                     .arg(t.at.y())
                     .arg(t.at.x())
                     .arg(t.pointSize)
                     .toUtf8();
    bytes += "LOGO|" + logo.toUtf8() + "|5|55|20|20\r\n";
    bytes += "FOND|3|0|16768200|16773350|16441810\r\n"
             "PRINT|0|0|0|1|2|10|10|4|6|2|1\r\n";
    return bytes;
}

/// A 20 x 20 picture: red, with a one-pixel blue frame.
QImage framedPicture()
{
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int i = 0; i < 20; ++i)
        for (const QPoint p : {QPoint(i, 0), QPoint(i, 19), QPoint(0, i), QPoint(19, i)})
            picture.setPixelColor(p, Qt::blue);
    return picture;
}

bool dark(QRgb p) { return qGray(p) < 100; }
bool paleBlue(QRgb p) { return qBlue(p) > 235 && qRed(p) > 180 && qRed(p) < 245; }

}  // namespace

class TestPrintQuality : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Project> m_project;

    Etiquette& tab() { return m_project->tab(1); }

    /// Prints at a quality of the list, to a PDF file or through a printer.
    QString print(int quality, bool throughPrinter)
    {
        Etiquette& t = tab();
        t.setResolution(qualityCodeForIndex(quality));
        const test::FakePrinters printers(m_dir.path(), {{QStringLiteral("Bureau"), QMarginsF()}});
        const QString pdf = m_dir.filePath(QStringLiteral("q%1.pdf").arg(quality));
        t.setPrinterName(throughPrinter ? QStringLiteral("Bureau") : kPdfFileEntry);
        if (!Print_Projet(t, layoutValues(t.print()), printers, pdf))
            return {};
        return throughPrinter ? printers.outputOf(QStringLiteral("Bureau")) : pdf;
    }

private Q_SLOTS:
    void initTestCase()
    {
        test::initFonts();
        const QString logo = m_dir.filePath("cadre.png");
        QVERIFY(framedPicture().save(logo));
        m_project = std::make_unique<Project>();
        QVERIFY(readProjectData(project(logo), *m_project, test::french()).ok());
    }

    void textsKeepTheirSizeAndEverythingItsPlace_data()
    {
        QTest::addColumn<int>("quality");
        QTest::addColumn<bool>("throughPrinter");
        for (int quality = 0; quality < 4; ++quality)
            QTest::addRow("%s, PDF file", qPrintable(printQualities()[quality].text.trimmed())) << quality << false;
        QTest::addRow("35 Dpi, printer") << 0 << true;
        QTest::addRow("300 Dpi, printer") << 3 << true;
    }

    void textsKeepTheirSizeAndEverythingItsPlace()
    {
        QFETCH(int, quality);
        QFETCH(bool, throughPrinter);
        const QString pdf = print(quality, throughPrinter);
        QVERIFY(!pdf.isEmpty());
        // The first label, from (10, 10) mm, with a millimetre around it.
        const QPointF origin(9, 9);
        const QImage area = test::rasteriseArea(pdf, 1, kDpi, QRectF(origin, QSizeF(82, 52)));
        QVERIFY(!area.isNull());
        const auto pixels = [](double mm) { return test::pixelsOf(mm, kDpi); };
        const double tolerance = pixels(kPositionMm);

        const QRect label = test::inkBox(area, area.rect(), paleBlue);
        QVERIFY2(std::abs(label.left() - pixels(1)) <= tolerance, qPrintable(QString::number(label.left())));
        QVERIFY(std::abs(label.top() - pixels(1)) <= tolerance);
        QVERIFY(std::abs(label.right() + 1 - pixels(81)) <= tolerance);
        QVERIFY(std::abs(label.bottom() + 1 - pixels(51)) <= tolerance);

        for (const PlacedText& t : kTexts) {
            QFont font(QStringLiteral("Tahoma"));
            font.setPointSizeF(t.pointSize);
            const QRectF expected = test::expectedInk(font, kText, t.at + QPointF(1, 1), kDpi);
            const QRect band = expected.adjusted(-pixels(1), -pixels(1), pixels(1), pixels(1)).toRect();
            const QRect ink = test::inkBox(area, band, dark);
            const QString what = QStringLiteral("%1 pt: ink %2,%3 %4x%5, expected %6,%7 %8x%9")
                                     .arg(t.pointSize)
                                     .arg(ink.left())
                                     .arg(ink.top())
                                     .arg(ink.width())
                                     .arg(ink.height())
                                     .arg(expected.left(), 0, 'f', 1)
                                     .arg(expected.top(), 0, 'f', 1)
                                     .arg(expected.width(), 0, 'f', 1)
                                     .arg(expected.height(), 0, 'f', 1);
            // The size the text prints at, from its width: within 2 %.
            const double printedSize = t.pointSize * ink.width() / expected.width();
            QVERIFY2(std::abs(printedSize - t.pointSize) <= 0.02 * t.pointSize, qPrintable(what));
            QVERIFY2(std::abs(ink.height() - expected.height()) <= std::max(1.5, 0.02 * expected.height()),
                     qPrintable(what));
            QVERIFY2(std::abs(ink.left() - expected.left()) <= tolerance, qPrintable(what));
            QVERIFY2(std::abs(ink.top() - expected.top()) <= tolerance, qPrintable(what));
        }

        // The logo, at (55, 5) mm in the label, its colours as they are in its file.
        const QRect logo = test::inkBox(area, area.rect(), test::near(Qt::blue, 60));
        QVERIFY(std::abs(logo.left() - pixels(56)) <= tolerance);
        QVERIFY(std::abs(logo.top() - pixels(6)) <= tolerance);
        QVERIFY(std::abs(logo.width() - pixels(20)) <= tolerance);
        const QPoint frame(int(pixels(56.5)), int(pixels(16)));    // within the left frame pixel
        const QPoint inside(int(pixels(60.5)), int(pixels(10.5)));  // within the red
        QVERIFY2(test::near(Qt::blue, 3)(area.pixel(frame)), qPrintable(area.pixelColor(frame).name()));
        QVERIFY2(test::near(Qt::red, 3)(area.pixel(inside)), qPrintable(area.pixelColor(inside).name()));
    }

    void thePdfHoldsEachPictureOnceLosslessAndSharp()
    {
        for (int quality = 0; quality < 4; ++quality) {
            const QString pdf = print(quality, false);
            const QList<test::PdfImage> images = test::pdfImages(pdf);
            QSet<int> stored;
            int placed = 0;
            for (const test::PdfImage& image : images) {
                QVERIFY2(image.encoding == QLatin1String("image"), qPrintable(image.encoding));
                if (image.type != QLatin1String("image"))
                    continue;
                ++placed;
                stored << image.object;
                // The background: 80 mm at 300 dpi or more.
                if (image.width > 100)
                    QVERIFY2(image.xPpi >= 300 && image.yPpi >= 300 && image.width >= 944,
                             qPrintable(QString::number(image.xPpi)));
            }
            // Two sheets of two labels, each with its background and its logo.
            QCOMPARE(placed, 8);
            QCOMPARE(stored.size(), 2);
        }
    }

    void aGiantLabelPrintsWithinBoundedMemory()
    {
        // The largest tab (a metre square) on a device of 600 dpi would take 558 million
        // pixels: its background is painted at the highest resolution within the bound.
        Etiquette huge;
        huge.NewProjet(QStringLiteral("Immense"), 1000, 1000, rgbColor(0, 255, 0), 0, false, false, false);
        QBuffer out;
        QVERIFY(out.open(QIODevice::WriteOnly));
        QPdfWriter pdf(&out);
        pdf.setResolution(600);
        QPainter painter(&pdf);
        const QSizeF pageMm = pdf.pageLayout().paintRect(QPageLayout::Millimeter).size();
        QVERIFY(paintSheets(painter, pdf, pageMm, QSizeF(600, 600), huge, test::values(0, 0, 0, 0, 1, 1, 1, 0, 0)));
        painter.end();
    }
};

QTEST_MAIN(TestPrintQuality)
#include "tst_PrintQuality.moc"
