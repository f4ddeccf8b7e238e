// Printing a tab: what goes on paper, in which order, at which whole millimetre, how
// many pages, and a job that cannot be set up is abandoned.

#include "canvas/core/Etiquette.h"
#include "document/core/Project.h"
#include "document/core/ProjectFile.h"
#include "export/core/TabExport.h"
#include "print/PrintTests.h"
#include "print/core/PaperPage.h"
#include "print/core/PrintJob.h"
#include "print/core/PrintMarks.h"
#include "print/core/SheetRenderer.h"
#include "support/PdfProbe.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;
using test::values;

namespace {

/// Records what is drawn, one line per call.
class RecordingSurface final : public Surface {
public:
    QStringList calls;
    const QImage* background = nullptr;

    void setScaleMode(ScaleMode) override {}
    ScaleMode scaleMode() const override { return ScaleMode::Millimetres; }
    double scaleWidth() const override { return 210; }
    double scaleHeight() const override { return 297; }
    int widthTwips() const override { return 11907; }
    int heightTwips() const override { return 16840; }
    void clear(const QColor&) override { calls << QStringLiteral("clear"); }
    void line(double, double, double, double, const QColor&) override { calls << QStringLiteral("line"); }
    void box(double x1, double y1, double x2, double y2, const QColor& c, int) override
    {
        calls << QStringLiteral("box %1 %2 %3 %4 %5").arg(x1).arg(y1).arg(x2).arg(y2).arg(c.name());
    }
    void circle(double, double, double, const QColor&, bool) override { calls << QStringLiteral("circle"); }
    void picture(const QImage& image, double x, double y, double w, double h) override
    {
        const QString what = background && image.cacheKey() == background->cacheKey() ? QStringLiteral("background")
                                                                                     : QStringLiteral("logo");
        calls << QStringLiteral("%1 %2 %3 %4 %5").arg(what).arg(x).arg(y).arg(w).arg(h);
    }
    void text(double x, double y, const QString& text, const QFont& font, const QColor& c) override
    {
        calls << QStringLiteral("text %1 %2 %3 %4 %5").arg(x).arg(y).arg(text, font.family(), c.name());
    }
    void drawing(double x, double y, double w, double h, const Drawing&) override
    {
        calls << QStringLiteral("drawing %1 %2 %3 %4").arg(x).arg(y).arg(w).arg(h);
    }
    void setRotation(QPointF c, double degrees) override
    {
        calls << QStringLiteral("rotate %1 %2 %3").arg(c.x()).arg(c.y()).arg(degrees);
    }
};

class RecordingSheets final : public SheetOutput {
public:
    RecordingSurface surface;
    Surface& sheet() override { return surface; }
    bool newSheet() override
    {
        surface.calls << QStringLiteral("new sheet");
        return true;
    }
};

/// What printing the tab draws, call by call ("new sheet" between sheets).
QStringList drawn(Etiquette& tab, const SheetLayout& layout)
{
    const QImage background = tab.Picture(true);
    RecordingSheets sheets;
    sheets.surface.background = &background;
    if (!renderSheets(sheets, layout, printedLabel(tab, background)))
        sheets.surface.calls << QStringLiteral("failed");
    return sheets.surface.calls;
}

// 60 x 30 mm, red, black border; a text and a logo at half millimetres; a second
// text and a second logo deleted afterwards.
const QByteArray kTab =
    "ONGLET|Badge\r\n"
    "PROJET|Badge|60|30|255|0|Faux|Faux|Vrai|Faux|Faux\r\n"
    "LABEL|Bonjour|4,5|12,5|Tahoma|10|Faux|Faux|Faux|Faux|16711680\r\n"
    "LABEL|Cachée|20|20|Tahoma|10|Faux|Faux|Faux|Faux|0\r\n"
    "LOGO||2|13,5|10|8\r\n"
    "LOGO||15|40|5|5\r\n"
    "FOND|1|255\r\n"
    "PRINT|0|0|0|1|2|10|20|4|6|2|2\r\n";

// 60 x 40 mm on a gradient, dashed border, printed outline and crop marks: kerned
// letters, a long text that ends at the label's edge, a turned italic, a text in a box, a
// turned framed logo, a turned QR code, a bar code with its text, a dashed rounded
// rectangle and a dotted filled ellipse.
QByteArray everyKindOfDrawing(const QString& logo, bool mirror)
{
    return "ONGLET|Tout\r\n"
           "PROJET|Tout|60|40|255|0|Faux|Faux|Vrai|Faux|Faux\r\n"
           "LABEL|AVATAR Tête-à-tête, Wolfgang|2|3|DejaVu Sans|9|Faux|Faux|Faux|Faux|0\r\n"
           "LABEL|Une adresse bien trop longue pour son étiquette|9|20|DejaVu Sans|10|Vrai|Faux|Faux|Faux|16711680\r\n"
           "LABEL|Tourné|22|30|DejaVu Serif|12|Faux|Vrai|Faux|Faux|32768\r\n"
           "LABEL|x|28|3|DejaVu Sans|8|Faux|Faux|Faux|Faux|8388608\r\n"
           "LOGO|" + logo.toUtf8() + "|18|4|12|12\r\n"
           "CODE|QR|https://exemple.fr|24|44|12|12|128|Faux\r\n"
           "CODE|EAN13|4006381333931|30|22|20|9|0|Vrai\r\n"
           "FOND|3|0|16768200|16773350|16441810\r\n"
           "PRINT|0|0|0|1|2|10|20|4|6|2|2\r\n"
           "OPTIONS|1|Faux|Vrai|Vrai|" + (mirror ? "Vrai" : "Faux") + "\r\n"
           "ZONE|4|25|10|1|0|1|Faux|6|Deux lignes\\nen zone\r\n"
           "FIGURE|RECTANGLE|1|1|58|38|16711680|0,5|1||3\r\n"
           "FIGURE|ELLIPSE|30|45|12|8|255|0,3|2|65535|0\r\n"
           "ROTATION|LABEL|3|30\r\n"
           "ROTATION|LOGO|1|90\r\n"
           "ROTATION|CODE|1|45\r\n";
}

}  // namespace

class TestPrintRendering : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Project> m_project;

    Etiquette& tab() { return m_project->tab(1); }

private Q_SLOTS:

    void init()
    {
        m_project = std::make_unique<Project>();
        QVERIFY(readProjectData(kTab, *m_project, test::french()).ok());
        Etiquette& t = tab();
        t.objectClick(Etiquette::ObjectKind::Label, 2);
        t.DelLabel();
        t.objectClick(Etiquette::ObjectKind::Logo, 2);
        t.DelLogo();
        t.ResetFocus();
        t.setPrinterName(kPdfFileEntry);
        t.setResolution(-3);
    }

    void eachLabelIsBackgroundBorderLogosThenTexts()
    {
        const QStringList calls = drawn(tab(), SheetLayout(values(10, 20, 4, 6, 2, 1, 2, 0, 0), QSizeF(60, 30)));
        // The text sits at 10 + 12.5 = 22.5 -> 22 and 20 + 4.5 = 24.5 -> 24; the logo at
        // 10 + 13.5 = 23.5 -> 24. On the second label, 74 + 12.5 = 86.5 -> 86.
        const QStringList oneSheet{
            "background 10 20 60 30", "box 10 20 69.7354 49.7354 #000000", "logo 24 22 10 8",
            "text 22 24 Bonjour Tahoma #0000ff",
            "background 74 20 60 30", "box 74 20 133.735 49.7354 #000000", "logo 88 22 10 8",
            "text 86 24 Bonjour Tahoma #0000ff",
        };
        QCOMPARE(calls, oneSheet + QStringList{"new sheet"} + oneSheet);
    }

    void codesComeLastAtWholeMillimetres()
    {
        CodeObject code;
        code.Data = QStringLiteral("https://www.exemple.fr");
        code.Top = 3.5;
        code.Left = 30.25;
        code.Width = code.Height = 20;
        tab().NewCode(code);
        // 10 + 30.25 -> 40 and 20 + 3.5 -> 24, after the text.
        const SheetLayout layout(values(10, 20, 4, 6, 1, 1, 1, 0, 0), QSizeF(60, 30));
        QCOMPARE(drawn(tab(), layout).mid(3), QStringList({"text 22 24 Bonjour Tahoma #0000ff", "drawing 40 24 20 20"}));
        // Placed exactly (a drawing from another program), it keeps its fractions.
        tab().placeExactly(ObjectKind::Code, 1, 3.5, 30.25);
        QCOMPARE(drawn(tab(), layout).last(), "drawing 40.25 23.5 20 20");
    }

    void objectsKeepTheirPlaceOnLabelsOfASheetGrid()
    {
        const SheetLayout layout(values(10, 20, 4, 6, 2, 1, 1, 0, 0), QSizeF(60, 30), SheetGrid{10.25, 20.5, 64.25, 36});
        // Each object sits where it sits on a label at the nearest whole millimetre (text
        // 12 mm in, as above), moved with the label by its fraction.
        QCOMPARE(drawn(tab(), layout), (QStringList{
                                           "background 10.25 20.5 60 30", "box 10.25 20.5 69.9854 50.2354 #000000",
                                           "logo 24.25 22.5 10 8", "text 22.25 24.5 Bonjour Tahoma #0000ff",
                                           "background 74.5 20.5 60 30", "box 74.5 20.5 134.235 50.2354 #000000",
                                           "logo 88.5 22.5 10 8", "text 86.5 24.5 Bonjour Tahoma #0000ff",
                                       }));
    }

    void bordersAreOneScreenPixelWide_data()
    {
        QTest::addColumn<QString>("output");
        QTest::newRow("PDF sheets") << QStringLiteral("sheets.pdf");
        QTest::newRow("PDF page") << QStringLiteral("page.pdf");
        QTest::newRow("preview page") << QString();
    }

    void bordersAreOneScreenPixelWide()
    {
        // The border as the canvas shows it at 100 %: one screen pixel (1/96 inch, 6.25
        // dots at 600 dpi) inside the label's edge, on paper as on screen.
        QFETCH(QString, output);
        constexpr int kDpi = 600;
        const LayoutValues layout = values(10, 20, 4, 6, 1, 1, 1, 0, 0);
        const QRectF area(9, 30, 2, 1);  // around the label's left edge, mm of the sheet
        QImage image;
        double start = 1;  // mm from the area's left to the label's
        if (output.isEmpty()) {
            image = PreviewPages(tab(), layout, kDpi).page(1).copy(
                QRectF(test::pixelsOf(area.x(), kDpi), test::pixelsOf(area.y(), kDpi), 48, 24).toRect());
        } else if (output == QLatin1String("sheets.pdf")) {
            QCOMPARE(printSheetsToPdf(tab(), layout, m_dir.filePath(output)), QString());
            image = test::rasteriseArea(m_dir.filePath(output), 1, kDpi, area);
        } else {
            QCOMPARE(writeTabDocument(tab(), DocumentFormat::Pdf, m_dir.filePath(output), {}), QString());
            image = test::rasteriseArea(m_dir.filePath(output), 1, kDpi, area.translated(-9, -20));
            start = 0;  // the page is the label
        }
        QVERIFY(!image.isNull());
        const int y = image.height() / 2;
        QList<int> black;
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)).value() < 100)
                black << x;
        QVERIFY2(black.size() >= 6 && black.size() <= 7, qPrintable(QString::number(black.size())));
        QVERIFY2(std::abs(black.first() - test::pixelsOf(start, kDpi)) <= 1.5,
                 qPrintable(QString::number(black.first())));
        QCOMPARE(black.last() - black.first() + 1, black.size());
    }

    void optionsRepeatMirrorAndMarkTheSheetsOnTheirPaper()
    {
        QCOMPARE(sheetOrder(3, PrintOptions{2, true}), (std::vector<int>{1, 2, 3, 1, 2, 3}));
        QCOMPARE(sheetOrder(3, PrintOptions{2, false}), (std::vector<int>{1, 1, 2, 2, 3, 3}));
        PrintSettings s = tab().print();
        s.options = PrintOptions{2, true, false, true, true};
        s.paper = Paper{QStringLiteral("A5"), 148, 210, true};
        tab().setPrint(s);
        const QString pdf = m_dir.filePath("options.pdf");
        QCOMPARE(printSheetsToPdf(tab(), values(10, 20, 4, 6, 1, 1, 1, 0, 0), pdf), QString());
        const QList<QImage> pages = test::rasterise(pdf, 127);  // 5 pixels a millimetre
        QCOMPARE(pages.size(), 2);
        for (const QImage& page : pages) {
            QVERIFY(std::abs(page.width() - 1050) <= 1 && std::abs(page.height() - 740) <= 1);  // A5 landscape
            // Mirrored: the 60 mm label 10 mm from the left edge lies 10 mm from the right.
            const QList<QRect> labels = test::regions(page, test::near(Qt::red), 500);
            QCOMPARE(labels.size(), 1);
            QVERIFY2(std::abs(labels[0].right() - 1000) <= 3, qPrintable(QString::number(labels[0].right())));
            // Crop marks beyond both top corners, along the label's top edge.
            for (const int x : {688, 1012})
                QVERIFY(QColor(page.pixel(x, 100)).value() < 160);
        }
    }

    void withoutBorderOrObjectsOnlyBackgroundsArePrinted()
    {
        Etiquette plain;
        plain.setPrjWidth(20);
        plain.setPrjHeight(10);
        plain.pctFond(rgbColor(0, 255, 0));
        QCOMPARE(drawn(plain, SheetLayout(values(0, 0, 0, 0, 3, 1, 1, 0, 0), QSizeF(20, 10))),
                 (QStringList{"background 0 0 20 10", "background 20 0 20 10", "background 40 0 20 10"}));
    }

    void sheetsGoToAPdfFileOnePagePerSheet()
    {
        const QString pdf = m_dir.filePath("badges.pdf");
        QVERIFY(Print_Projet(tab(), values(10, 20, 4, 6, 2, 3, 3, 0, 0), test::FakePrinters(m_dir.path(), {}), pdf));
        const QList<QImage> pages = test::rasterise(pdf, 127);  // 5 pixels a millimetre
        QCOMPARE(pages.size(), 3);
        for (const QImage& page : pages) {
            QVERIFY(std::abs(page.width() - 1050) <= 1 && std::abs(page.height() - 1485) <= 1);  // A4
            const QList<QRect> labels = test::inReadingOrder(test::regions(page, test::near(Qt::red), 2000));
            // Inside the one-dot border the red starts just after the label's corner; the
            // border's dots, antialiased, take up to two pixels on each side.
            QCOMPARE(test::misplaced(labels, test::grid({10, 20}, {64, 36}, 2, 3), 5, 2, {60, 30}, 5), QString());
            for (const QRect& label : labels) {
                // The border: dark just outside the red, on the left edge.
                const QColor edge = page.pixelColor(label.left() - 1, label.center().y());
                QVERIFY2(edge.lightness() < 120, qPrintable(edge.name()));
            }
            QCOMPARE(page.pixelColor(5, 5), QColor(Qt::white));
        }
    }

    void onPaperTextsAreOverLogosAndHiddenObjectsAreNotPrinted()
    {
        // A solid green logo under the text; on screen the logo would cover it.
        QImage green(40, 12, QImage::Format_RGB32);
        green.fill(Qt::green);
        const QString picture = m_dir.filePath("vert.png");
        QVERIFY(green.save(picture));
        tab().Image(1, picture);
        tab().objectClick(Etiquette::ObjectKind::Logo, 1);
        tab().PositionObjet(1, 4, 12);
        QCOMPARE(tab().logo(1).Left, 12.0f);
        tab().SizeLogo(1, 40, 12);
        const QString pdf = m_dir.filePath("ordre.pdf");
        QVERIFY(Print_Projet(tab(), values(0, 0, 0, 0, 1, 1, 1, 0, 0), test::FakePrinters(m_dir.path(), {}), pdf));
        const QList<QImage> pages = test::rasterise(pdf, 254);  // 10 pixels a millimetre
        QCOMPARE(pages.size(), 1);
        const QImage label = pages[0].copy(0, 0, 600, 300);
        // Blue text pixels inside the logo's rectangle (x 12..52, y 4..16 mm).
        const QList<QRect> blue = test::regions(label, test::near(Qt::blue, 80), 5);
        QVERIFY(!blue.isEmpty());
        QRect text;
        for (const QRect& r : blue)
            text |= r;
        // The dot of the j rises a tenth of a millimetre above the font's ascent.
        QVERIFY(QRect(120, 39, 400, 121).contains(text));
        // The deleted logo at (40, 15) mm is not there: the label's red shows.
        QVERIFY(test::near(Qt::red, 8)(label.pixel(420, 170)));
        // The deleted text at (20, 20) mm is not there either: no black in that area.
        const QList<QRect> black = test::regions(label.copy(190, 190, 200, 60), test::near(Qt::black, 80), 5);
        QVERIFY(black.isEmpty());
        // The other snapshot order (texts under logos) would leave no blue at all.
        const std::vector<QImage> preview = previewPages(tab(), values(0, 0, 0, 0, 1, 1, 1, 0, 0));
        QVERIFY(test::regions(preview[0].copy(0, 0, 227, 114), test::near(Qt::blue, 80), 5).isEmpty());
    }

    void theOriginIsTheCornerOfThePrintableArea()
    {
        // A printer that cannot print the first 5 mm across and 4 mm down.
        const test::FakePrinters printers(m_dir.path(), {{QStringLiteral("Bureau"), QMarginsF(5, 4, 5, 4)}});
        const auto printer = printers.printer(QStringLiteral("Bureau"));
        QCOMPARE(printerMargins(*printer), QPoint(5, 4));
        tab().setPrinterName(QStringLiteral("Bureau"));
        // With its margins in the settings, the label lands at 15, 12 from the paper's edge.
        QVERIFY(Print_Projet(tab(), values(15, 12, 0, 0, 1, 1, 1, 5, 4), printers));
        const QList<QImage> pages = test::rasterise(printers.outputOf(QStringLiteral("Bureau")), 127);
        QCOMPARE(pages.size(), 1);
        const QList<QRect> labels = test::regions(pages[0], test::near(Qt::red), 2000);
        QCOMPARE(labels.size(), 1);
        QVERIFY(std::abs(labels[0].left() - 15 * 5) <= 2);
        QVERIFY(std::abs(labels[0].top() - 12 * 5) <= 2);
    }

    void ourPdfWriterDrawsAsQtsDoes_data()
    {
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<QList<double>>("calibration");  // offsets (mm), scales (%)
        QTest::newRow("straight") << false << QList<double>{0, 0, 100, 100};
        QTest::newRow("mirrored, calibrated") << true << QList<double>{1.5, -2, 101, 98.5};
    }

    void ourPdfWriterDrawsAsQtsDoes()
    {
        QFETCH(bool, mirror);
        QFETCH(QList<double>, calibration);
        QImage framed(20, 20, QImage::Format_RGB32);
        framed.fill(Qt::blue);
        QPainter(&framed).fillRect(1, 1, 18, 18, Qt::yellow);
        const QString logo = m_dir.filePath("cadre.png");
        QVERIFY(framed.save(logo));
        Project project;
        QVERIFY(readProjectData(everyKindOfDrawing(logo, mirror), project, test::french()).ok());
        Etiquette& t = project.tab(1);
        t.setDrawStyle(1);
        t.setResolution(-3);
        JobExtras extras;
        extras.calibration = Calibration{calibration[0], calibration[1], calibration[2], calibration[3], 0, 0};
        const LayoutValues v = values(10, 20, 4, 6, 2, 2, 1, 0, 0);

        const QString ours = m_dir.filePath("nous.pdf"), qts = m_dir.filePath("qt.pdf");
        QCOMPARE(printSheetsToPdf(t, v, ours, nullptr, extras), QString());
        QFile file(ours);
        QVERIFY(file.open(QIODevice::ReadOnly) && !file.readAll().contains("/Producer"));  // Qt names itself
        {
            QPdfWriter pdf(qts);
            pdf.setPageLayout(pageLayoutOf(paperOf(t.print())));
            pdf.setResolution(150);
            QPainter painter(&pdf);
            QVERIFY(paintSheets(painter, pdf, pdf.pageLayout().paintRect(QPageLayout::Millimeter).size(),
                                QSizeF(150, 150), t, v, nullptr, extras));
        }
        // The same pixels, but for a glyph's edge antialiased a pixel aside (or, at the
        // tip of a serif, two).
        const QList<QImage> a = test::rasterise(ours, 150), b = test::rasterise(qts, 150);
        QCOMPARE(a.size(), 1);
        QCOMPARE(b.size(), 1);
        QCOMPARE(a[0].size(), b[0].size());
        const auto close = [](QRgb p, QRgb q) {
            return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))}) <= 96;
        };
        int different = 0;
        for (int y = 1; y + 1 < a[0].height(); ++y)
            for (int x = 1; x + 1 < a[0].width(); ++x) {
                bool matched = false;
                for (int n = 0; n < 9 && !matched; ++n)
                    matched = close(a[0].pixel(x, y), b[0].pixel(x + n % 3 - 1, y + n / 3 - 1));
                different += !matched;
            }
        QVERIFY2(different <= 8, qPrintable(QString::number(different)));  // of two million
        // The words read back the same, where Qt put them (a turned line's letters may
        // be grouped otherwise).
        const QList<test::PdfWord> ourWords = test::pdfWords(ours), qtWords = test::pdfWords(qts);
        const auto letters = [](const QList<test::PdfWord>& words) {
            QString all;
            for (const test::PdfWord& w : words)
                all += w.text;
            std::sort(all.begin(), all.end());
            return all;
        };
        QCOMPARE(letters(ourWords), letters(qtWords));
        int placed = 0;
        for (const test::PdfWord& w : ourWords)
            placed += std::any_of(qtWords.begin(), qtWords.end(), [&w](const test::PdfWord& q) {
                const QRectF d(w.mm.topLeft() - q.mm.topLeft(), w.mm.bottomRight() - q.mm.bottomRight());
                return q.text == w.text &&
                       std::max({std::abs(d.x()), std::abs(d.y()), std::abs(d.width()), std::abs(d.height())}) < 0.02;
            });
        QVERIFY2(placed >= ourWords.size() - 8, qPrintable(QString::number(placed)));
    }

    void aJobThatCannotBeSetUpIsAbandoned()
    {
        const QTemporaryDir output;
        const test::FakePrinters printers(output.path(), {{QStringLiteral("Bureau"), QMarginsF()}});
        const LayoutValues v = values(10, 10, 0, 0, 1, 1, 1, 0, 0);
        const QString pdf = m_dir.filePath("jamais.pdf");

        tab().setPrinterName(QString());  // never chosen
        QVERIFY(!Print_Projet(tab(), v, printers, pdf));
        tab().setPrinterName(QStringLiteral("Disparue"));
        QVERIFY(!Print_Projet(tab(), v, printers, pdf));
        tab().setPrinterName(QStringLiteral("Bureau"));
        tab().setResolution(0);  // no quality chosen
        QVERIFY(!Print_Projet(tab(), v, printers, pdf));
        QVERIFY(!QFile::exists(printers.outputOf(QStringLiteral("Bureau"))));

        tab().setResolution(-1);
        tab().setPrinterName(kPdfFileEntry);
        QVERIFY(!Print_Projet(tab(), v, printers, QString()));
        QVERIFY(!Print_Projet(tab(), v, printers, m_dir.filePath("pas/de/dossier.pdf")));
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(!QFile::exists(m_dir.filePath("pas/de/dossier.pdf")));
        QVERIFY(Print_Projet(tab(), v, printers, pdf));
        QVERIFY(QFile::exists(pdf));
    }
};

PLK_TEST_CLASS(TestPrintRendering)
#include "tst_PrintRendering.moc"
