// Printed sheets as a print shop would look at them: every print quality, and a tab
// filled from a data file.

#include "canvas/core/Etiquette.h"
#include "canvas/core/PictureRows.h"
#include "canvas/core/TabData.h"
#include "document/core/Project.h"
#include "document/core/ProjectFile.h"
#include "print/PrintTests.h"
#include "print/core/PrintJob.h"
#include "support/MergeFixtures.h"
#include "support/PdfProbe.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QDebug>
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

constexpr double kLabelWidth = 70;
constexpr double kLabelHeight = 37;
constexpr int kAcross = 3;
constexpr int kPerSheet = 24;

/// The address template as it ships, its data file named anew, and its address line
/// smaller so that the longest address of the list stays within its label (a text
/// running on into the next label would run into that label's words).
QByteArray addressProject(const QByteArray& mergeRecord)
{
    QByteArray bytes = test::readBytes(test::sourceFile(QStringLiteral("resources/templates/Adresses (publipostage).gab")));
    bytes.replace("|18|6|Tahoma|9|", "|18|6|Tahoma|6|");
    const qsizetype at = bytes.indexOf("FUSION|");
    return bytes.left(at) + mergeRecord + "\r\n";
}

/// The words that start within a label of a sheet (slot from 0, across then down):
/// a long one-line text may run on past the label's edge.
QStringList wordsAt(const QList<test::PdfWord>& words, int sheet, int slot)
{
    const QRectF label((slot % kAcross) * kLabelWidth, (slot / kAcross) * kLabelHeight, kLabelWidth, kLabelHeight);
    QList<test::PdfWord> inside;
    for (const test::PdfWord& w : words)
        if (w.page == sheet && label.contains(QPointF(w.mm.left(), w.mm.center().y())))
            inside.append(w);
    // Line by line (the texts are 6 mm apart), left to right.
    std::sort(inside.begin(), inside.end(), [](const test::PdfWord& a, const test::PdfWord& b) {
        const int lineA = int(a.mm.center().y() / 3), lineB = int(b.mm.center().y() / 3);
        return lineA != lineB ? lineA < lineB : a.mm.left() < b.mm.left();
    });
    QStringList found;
    for (const test::PdfWord& w : inside)
        found.append(w.text);
    return found;
}

/// The words of a row's label as its texts put them: "Prénom Nom", the company, the
/// address on one line, "CP Ville".
QStringList expectedWords(const QStringList& row)
{
    return row.mid(0, 6).join(' ').replace('\n', ' ').split(' ', Qt::SkipEmptyParts);
}

}  // namespace

class TestPrintedSheets : public QObject {
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

    std::vector<QStringList> m_rows;

    /// Prints the address template filled from the fifty addresses, from `firstLabel`.
    QList<test::PdfWord> printAddresses(int firstLabel, int* pages = nullptr)
    {
        Project project;
        const QByteArray bytes = addressProject("FUSION|adresses.csv|" + QByteArray::number(firstLabel));
        if (!readProjectData(bytes, project, test::french(), m_dir.path()).ok())
            return {};
        Etiquette& tab = project.tab(1);
        const MergeData data = loadTabData(tab);
        if (!data.ok() || !data.unknown.isEmpty())
            return {};
        tab.setResolution(-4);
        const QString pdf = m_dir.filePath(QStringLiteral("adresses-%1.pdf").arg(firstLabel));
        if (!printSheetsToPdf(tab, layoutValues(tab.print()), pdf, &data.table).isEmpty())
            return {};
        if (pages)
            *pages = int(previewPages(tab, layoutValues(tab.print()), &data.table).size());
        return test::pdfWords(pdf);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString logo = m_dir.filePath("cadre.png");
        QVERIFY(framedPicture().save(logo));
        m_project = std::make_unique<Project>();
        QVERIFY(readProjectData(project(logo), *m_project, test::french()).ok());
        QVERIFY(m_dir.isValid());
        m_rows = test::fiftyAddresses();
        test::writeBytes(m_dir.filePath("adresses.csv"), test::csvFile(test::addressFields(), m_rows));
    }

    // Printed labels at every print quality, looked at as a print shop would: PDF pages
    // rasterised at 600 dpi, texts measured against their true size, the pictures the
    // PDF holds, and where everything lands on the sheet.
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
        PLK_REQUIRE_TAHOMA();
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
            QString what;
            QDebug(&what) << t.pointSize << "pt: ink" << ink << "expected" << expected;
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

    // Printing a tab filled from a data file: fifty addresses on sheets of 3 x 8 labels,
    // one label per row in the layout's order, from the chosen first label.
    void everyRowFillsItsLabelInTheLayoutsOrder_data()
    {
        QTest::addColumn<int>("firstLabel");
        QTest::newRow("from the first label") << 1;
        QTest::newRow("from label five: every row shifted by four") << 5;
    }

    void everyRowFillsItsLabelInTheLayoutsOrder()
    {
        QFETCH(int, firstLabel);
        const int skipped = firstLabel - 1;
        int pages = 0;
        const QList<test::PdfWord> words = printAddresses(firstLabel, &pages);
        QVERIFY(!words.isEmpty());
        QCOMPARE(words.last().page, 3);
        QCOMPARE(pages, 3);  // the preview shows the same sheets
        for (int slot = 0; slot < skipped; ++slot)
            QVERIFY(wordsAt(words, 1, slot).isEmpty());
        for (int r = 0; r < 50; ++r)
            QCOMPARE(wordsAt(words, (r + skipped) / kPerSheet + 1, (r + skipped) % kPerSheet),
                     expectedWords(m_rows[std::size_t(r)]));
        // The last sheet holds the last rows and nothing after them.
        for (int slot = (50 + skipped) % kPerSheet; slot < kPerSheet; ++slot)
            QVERIFY(wordsAt(words, 3, slot).isEmpty());
    }

    void aLogoShowsThePictureItsRowNames()
    {
        // Relative to the data file's folder: a wide red picture, a square blue one, a
        // file missing and a file that is no picture (each listed once), a blank value.
        const QString folder = m_dir.filePath(QStringLiteral("lots"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/photos")));
        for (const auto& [name, colour, width] : {std::tuple{"rouge", Qt::red, 40}, std::tuple{"bleu", Qt::blue, 20}}) {
            QImage picture(width, 20, QImage::Format_RGB32);
            picture.fill(colour);
            QVERIFY(picture.save(folder + QStringLiteral("/photos/%1.png").arg(QLatin1String(name))));
        }
        test::writeBytes(folder + QStringLiteral("/photos/texte.png"), "pas une image");
        test::writeBytes(folder + QStringLiteral("/lots.csv"), "Nom;Photo\r\nA;photos/rouge.png\r\nB;photos/bleu.png\r\n"
                                                              "C;photos/absente.png\r\nD;photos/texte.png\r\nE;\r\n"
                                                              "F;photos/absente.png\r\n");
        const QByteArray file = "ONGLET|Lots\r\nPROJET|Lots|70|37|-2147483643|8421504|Faux|Faux|Faux|Faux|Faux\r\n"
                                "LOGO||10|10|40|20\r\nFOND|0\r\nPRINT|0|0|0|3|1|0|0|0|0|3|8\r\n"
                                "FUSION|lots/lots.csv|1\r\nFUSIONLOGO|1|Photo\r\n";
        Project project;
        QVERIFY(readProjectData(file, project, test::french(), m_dir.path()).ok());
        QCOMPARE(projectFileText(project, test::french(), m_dir.path()).toLatin1(), file);
        Etiquette& tab = project.tab(1);
        const MergeData data = loadTabData(tab);
        QVERIFY(data.ok() && data.unknown.isEmpty());
        const std::vector<PictureRowProblem> problems = pictureRowProblems(tab, data.table);
        QCOMPARE(pictureProblemsText(problems),
                 QStringLiteral("Ligne 3 : « %1/photos/absente.png » (fichier introuvable)\n"
                                "Ligne 4 : « %1/photos/texte.png » (ce n'est pas une image lisible)")
                     .arg(folder));

        tab.setResolution(-4);
        const QString pdf = m_dir.filePath(QStringLiteral("lots.pdf"));
        QCOMPARE(printSheetsToPdf(tab, layoutValues(tab.print()), pdf, &data.table), QString());
        // The first sheet's top row, at 1 mm a pixel: each picture within the logo's box
        // at 10..50 x 10..30 mm of its label, its proportions kept; none for the others.
        const QImage row = test::rasteriseArea(pdf, 1, 254, QRectF(0, 0, kAcross * kLabelWidth, kLabelHeight)).scaled(210, 37);
        const auto inkOf = [&row](QRgb colour, int label) {
            return test::inkBox(row, QRect(int(label * kLabelWidth), 0, int(kLabelWidth), int(kLabelHeight)),
                                [colour](QRgb p) { return qAbs(qRed(p) - qRed(colour)) + qAbs(qBlue(p) - qBlue(colour)) +
                                                              qAbs(qGreen(p) - qGreen(colour)) < 90; });
        };
        QCOMPARE(inkOf(qRgb(255, 0, 0), 0), QRect(10, 10, 40, 20));
        QCOMPARE(inkOf(qRgb(0, 0, 255), 1), QRect(70 + 20, 10, 20, 20));
        QCOMPARE(inkOf(qRgb(0, 0, 0), 2), QRect());
        QCOMPARE(inkOf(qRgb(255, 0, 0), 2), QRect());
    }

    void aLineBreakInAValueShowsAsASpace()
    {
        const QList<test::PdfWord> words = printAddresses(1);
        // Row 4 (index 3): "Résidence « Les Tilleuls », bât. 3" then "4, rue de l'Église".
        QList<test::PdfWord> label;
        for (const test::PdfWord& w : words)
            if (w.page == 1 && QRectF(0, kLabelHeight, kLabelWidth, kLabelHeight).contains(w.mm.center()))
                label.append(w);
        const auto find = [&label](const QString& text) {
            for (const test::PdfWord& w : label)
                if (w.text == text)
                    return w.mm;
            return QRectF();
        };
        const QRectF before = find(QStringLiteral("3")), after = find(QStringLiteral("4,"));
        QVERIFY(!before.isNull() && !after.isNull());
        QVERIFY(std::abs(before.center().y() - after.center().y()) < 0.5);  // one line
        QVERIFY(after.left() > before.right());
    }
};

PLK_TEST_CLASS(TestPrintedSheets)
#include "tst_PrintedSheets.moc"
