// Sheets: where labels fall, the templates of sheets of labels, several designs and backs
// on one sheet, a printer calibration, and the batch tool's sheets and preview.

#include "base/core/Rounding.h"
#include "canvas/core/Etiquette.h"
#include "document/core/ProjectFile.h"
#include "print/PrintTests.h"
#include "print/core/Calibration.h"
#include "print/core/CalibrationSheet.h"
#include "print/core/SheetLayout.h"
#include "support/PdfProbe.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QDebug>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace plk;
using test::values;

Q_DECLARE_METATYPE(plk::LayoutValues)

namespace {

/// A sheet as its maker describes it: label size, labels across and down, the first
/// label's corner and the distance from one label to the next (mm from the paper's edge).
struct Sheet {
    const char* name;
    double width, height;
    int across, down;
    double left, top, pitchAcross, pitchDown;
};

// Centred on A4 where the maker gives no margins of its own.
constexpr Sheet kSheets[] = {
    {"Cartes de visite 85 x 54 (2 x 5)", 85, 54, 2, 5, 15, 13.5, 95, 54},
    {"Cartes de visite 85 x 55 (2 x 5)", 85, 55, 2, 5, 15, 10, 95, 55},
    {"Carte de visite avec QR code 85 x 55 (2 x 5)", 85, 55, 2, 5, 15, 10, 95, 55},
    {"Etiquettes 38,1 x 21,2 (5 x 13)", 38.1, 21.2, 5, 13, 4.67, 10.7, 40.64, 21.2},
    {"Etiquettes 45,7 x 21,2 (4 x 12)", 45.7, 21.2, 4, 12, 9.85, 21.3, 48.2, 21.2},
    {"Etiquettes 45,7 x 25,4 (4 x 10)", 45.7, 25.4, 4, 10, 9.79, 21.5, 48.26, 25.4},
    {"Etiquettes 48,5 x 25,4 (4 x 10)", 48.5, 25.4, 4, 10, 8, 21.5, 48.5, 25.4},
    {"Etiquettes 52,5 x 29,7 (4 x 10)", 52.5, 29.7, 4, 10, 0, 0, 52.5, 29.7},
    {"Etiquettes 63,5 x 33,9 (3 x 8)", 63.5, 33.9, 3, 8, 7.21, 12.9, 66.04, 33.9},
    {"Etiquettes 63,5 x 38,1 (3 x 7)", 63.5, 38.1, 3, 7, 7.21, 15.15, 66.04, 38.1},
    {"Etiquettes 64 x 33,9 (3 x 8)", 64, 33.9, 3, 8, 7, 12.9, 66, 33.9},
    {"Etiquettes 70 x 36 (3 x 8)", 70, 36, 3, 8, 0, 4.5, 70, 36},
    {"Etiquettes 70 x 37 (3 x 8)", 70, 37, 3, 8, 0, 0.5, 70, 37},
    {"Etiquettes 70 x 42,3 (3 x 7)", 70, 42.3, 3, 7, 0, 0.45, 70, 42.3},
    {"Etiquettes 99,1 x 38,1 (2 x 7)", 99.1, 38.1, 2, 7, 4.65, 15.15, 101.6, 38.1},
    {"Etiquettes 99,1 x 57 (2 x 5)", 99.1, 57, 2, 5, 4.65, 6, 101.6, 57},
    {"Etiquettes 99,1 x 67,7 (2 x 4)", 99.1, 67.7, 2, 4, 4.65, 13.1, 101.6, 67.7},
    {"Etiquettes 99,1 x 93,1 (2 x 3)", 99.1, 93.1, 2, 3, 4.65, 8.85, 101.6, 93.1},
    {"Etiquettes 105 x 37 (2 x 8)", 105, 37, 2, 8, 0, 0.5, 105, 37},
    {"Etiquettes 105 x 57 (2 x 5)", 105, 57, 2, 5, 0, 6, 105, 57},
    {"Etiquettes 105 x 74 (2 x 4)", 105, 74, 2, 4, 0, 0.5, 105, 74},
    {"Etiquettes 105 x 148 (2 x 2)", 105, 148, 2, 2, 0, 0.5, 105, 148},
    {"Etiquettes 199,6 x 143,5 (1 x 2)", 199.6, 143.5, 1, 2, 5.2, 5, 199.6, 143.5},
    {"Etiquettes 210 x 148,5 (1 x 2)", 210, 148.5, 1, 2, 0, 0, 210, 148.5},
    {"Etiquette 210 x 297 (1 x 1)", 210, 297, 1, 1, 0, 0, 210, 297},
    {"Etiquettes CD 117 (1 x 2)", 117, 117, 1, 2, 46.5, 21.5, 117, 137},
};

constexpr double kTolerance = 0.5;  // mm
constexpr double kA4Width = 210, kA4Height = 297;

const Sheet* sheetNamed(const QString& name)
{
    for (const Sheet& s : kSheets)
        if (name == QString::fromUtf8(s.name))
            return &s;
    return nullptr;
}

/// The sheet templates among the shipped ones: named by size and count, "... (2 x 5).gab".
QStringList shippedSheetTemplates()
{
    static const QRegularExpression counted(QStringLiteral(R"(\(\d+ x \d+\)\.gab$)"));
    QStringList names;
    for (const QString& file : QDir(QStringLiteral(":/templates")).entryList({QStringLiteral("*.gab")}, QDir::Files))
        if (counted.match(file).hasMatch())
            names << file;
    return names;
}

/// A 60 x 30 tab of a colour showing its row's «Nom» at (5, 5), with more records.
QByteArray tab(const QByteArray& name, const QByteArray& colour, const QByteArray& more)
{
    return "ONGLET|" + name + "\r\nPROJET|" + name + "|60|30|" + colour + "|0|Faux|Faux|Faux|Faux|Faux\r\n" +
           "LABEL|\xABNom\xBB|5|5|Tahoma|10|Faux|Faux|Faux|Faux|0\r\nFOND|1|" + colour + "\r\n" + more;
}

// Jean's rows on positions 1 to 3 of a 2 x 3 sheet from (20, 30), Marie's on 4 to 6;
// Jean's labels have the green tab on their back.
QByteArray project(const QByteArray& flip)
{
    return tab("Jean", "255", "PRINT|0|0|0|1|1|20|30|10|10|2|3\r\nFUSION|jean.csv|1\r\nPOSITIONS|4|6|2\r\n"
                              "VERSO|3|" + flip + "\r\n") +
           tab("Marie", "16711680", "PRINT|0|0|0|1|1|0|0|0|0|1|1\r\nFUSION|marie.csv|1\r\n") +
           tab("Dos", "65280", "PRINT|0|0|0|1|1|0|0|0|0|1|1\r\n");
}

/// The words of a page, each with its top-left corner rounded to a millimetre, sorted.
QStringList words(const QList<test::PdfWord>& all, int page)
{
    QStringList found;
    for (const test::PdfWord& w : all)
        if (w.page == page)
            found << QStringLiteral("%1@%2,%3").arg(w.text).arg(qRound(w.mm.left())).arg(qRound(w.mm.top()));
    found.sort();
    return found;
}

constexpr int kDpi = 600;
// 2 x 2 red 90 x 50 labels from (15, 12), 92 and 53 mm apart.
const QByteArray kCalibrated = test::projectWith("PRINT|0|0|0|1|1|15|12|2|3|2|2");
const QByteArray kSettings = "[MENU]\r\nWindows=0\r\n\r\n[ETALONNAGE]\r\nBureau 2=2;-1.5;97;104.5;0;0\r\n";

/// The length (mm) of what matches along the middle line of a window of the page,
/// across for a horizontal window, down for a vertical one.
double inkLength(const QString& pdf, int page, const QRectF& mm, const std::function<bool(QRgb)>& match)
{
    const QImage area = test::rasteriseArea(pdf, page, kDpi, mm);
    const bool across = mm.width() > mm.height();
    int count = 0;
    for (int i = 0; i < (across ? area.width() : area.height()); ++i)
        count += match(across ? area.pixel(i, area.height() / 2) : area.pixel(area.width() / 2, i));
    return count * 25.4 / kDpi;
}

/// Where a label's edge lies near `mm` (x for a vertical edge, y for a horizontal
/// one), with the label beyond it (`after`) or before it. The window starts on a whole
/// pixel, as the area is cut.
double edge(const QString& pdf, double mm, double other, bool vertical, bool after)
{
    const double start = std::lround(test::pixelsOf(mm - 2, kDpi)) * 25.4 / kDpi;
    const QRectF window = vertical ? QRectF(start, other - 0.5, 4, 1) : QRectF(other - 0.5, start, 1, 4);
    const double red = inkLength(pdf, 1, window, test::near(Qt::red, 100));
    return after ? start + 4 - red : start + red;
}

using plk::test::batch;
using Run = plk::test::BatchRun;

// Tab 2: 2 sheets of 2 x 5 red 90 x 50 labels from (15, 12), margins 5 and 4.
const QByteArray kTwoTabs =
    "ONGLET|Un\r\n"
    "PROJET|Un|50|50|65280|0|Faux|Faux|Faux|Faux|Faux\r\n"
    "FOND|1|65280\r\n"
    "PRINT|0|0|0|1|1|10|10|0|0|1|1\r\n"
    "ONGLET|Deux\r\n"
    "PROJET|Deux|90|50|255|0|Faux|Faux|Faux|Faux|Faux\r\n"
    "FOND|1|255\r\n"
    "PRINT|0|5|4|2|2|15|12|2|3|2|5\r\n";

}  // namespace

class TestSheets : public QObject {
    Q_OBJECT

private Q_SLOTS:

    // Where labels fall on a sheet, and what the preview's page pictures show there.
    void labelsFallOnWholeMillimetres_data()
    {
        QTest::addColumn<LayoutValues>("layout");
        QTest::addColumn<QSizeF>("label");
        QTest::addColumn<QList<double>>("columns");
        QTest::addColumn<QList<double>>("rows");
        // First label at 15, 12 from the paper's edge; the printer cannot print the
        // first 5 and 4 mm; 90 x 50 labels, gaps 2 and 3, 2 across, 5 down.
        QTest::newRow("worked example") << values(15, 12, 2, 3, 2, 5, 1, 5, 4) << QSizeF(90, 50)
                                        << QList<double>{10, 102} << QList<double>{8, 61, 114, 167, 220};
        // 10 + 85.5 + 10 = 105.5 -> 106; 106 + 85.5 + 10 = 201.5 -> 202: the half goes to
        // the even neighbour and does not build up from label to label. Down: 64.5 -> 64.
        QTest::newRow("halves to even") << values(10, 0, 10, 10, 4, 3, 1, 0, 0) << QSizeF(85.5, 54.5)
                                        << QList<double>{10, 106, 202, 298} << QList<double>{0, 64, 128};
        QTest::newRow("margins move the origin only")
            << values(3, 2, 0, 0, 1, 1, 1, 10, 10) << QSizeF(20, 20) << QList<double>{-7} << QList<double>{-8};
    }

    void labelsFallOnWholeMillimetres()
    {
        QFETCH(LayoutValues, layout);
        QFETCH(QSizeF, label);
        QFETCH(QList<double>, columns);
        QFETCH(QList<double>, rows);
        const SheetLayout l(layout, label);
        QCOMPARE(l.labels().size(), std::size_t(columns.size() * rows.size()));
        // Row by row, left to right.
        for (qsizetype i = 0; i < qsizetype(l.labels().size()); ++i)
            QCOMPARE(l.labels()[std::size_t(i)], QPointF(columns[i % columns.size()], rows[i / columns.size()]));
    }

    void sheetGridRefinesItsOwnWholeValues()
    {
        // 63,5 x 38,1 labels, 3 x 7, 66,04 mm apart across, first at 7,21 / 15,15. Whole
        // millimetres would drift 0,6 mm down the sheet; the grid puts every label on it.
        const SheetGrid grid{7.21, 15.15, 66.04, 38.1};
        const QSizeF size(63.5, 38.1);
        const SheetLayout l(values(7, 15, 3, 0, 3, 7, 1, 0, 0), size, grid);
        const QList<QPointF> nominal = test::grid({7.21, 15.15}, {66.04, 38.1}, 3, 7);
        QCOMPARE(l.labels().size(), std::size_t(nominal.size()));
        for (qsizetype i = 0; i < nominal.size(); ++i)
            QVERIFY((l.labels()[std::size_t(i)] - nominal[i]).manhattanLength() < 1e-9);
        // The printer's unprintable margins move the origin, as for whole values.
        const SheetLayout shifted(values(7, 15, 3, 0, 3, 7, 1, 4, 3), size, grid);
        QVERIFY(std::abs(shifted.labels().back().x() - (7.21 + 2 * 66.04 - 4)) < 1e-9);
        QVERIFY(std::abs(shifted.labels().back().y() - (15.15 + 6 * 38.1 - 3)) < 1e-9);
    }

    void valuesSetByTheUserRuleOverTheGrid()
    {
        const SheetGrid grid{7.21, 15.15, 66.04, 38.1};
        const QSizeF size(63.5, 38.1);
        QVERIFY(SheetLayout::followsGrid(values(7, 15, 3, 0, 3, 7, 1, 0, 0), size, grid));
        for (const LayoutValues& v : {values(8, 15, 3, 0, 3, 7, 1, 0, 0), values(7, 16, 3, 0, 3, 7, 1, 0, 0),
                                      values(7, 15, 2, 0, 3, 7, 1, 0, 0), values(7, 15, 3, 1, 3, 7, 1, 0, 0)}) {
            QVERIFY(!SheetLayout::followsGrid(v, size, grid));
            const SheetLayout l(v, size, grid);
            QCOMPARE(l.labels().front(), QPointF(v.ImpPosX, v.ImpPosY));
            QCOMPARE(l.labels()[1].x(), roundHalfEven(v.ImpPosX + 63.5 + v.ImpSepH));
        }
        // A label of another size no longer fits the sheet's gaps.
        QVERIFY(!SheetLayout::followsGrid(values(7, 15, 3, 0, 3, 7, 1, 0, 0), QSizeF(60, 38.1), grid));
    }

    void makersGridsArePlacedWhileTheFieldsAreTheFirstOnes()
    {
        // Rows set off from one another: 3 x 4 labels, then 2 x 4 between them; then a
        // grid of 30 across, more than the fields count; then a hostile one.
        const std::vector<LabelGrid> staggered{{3, 4, {10, 12.5, 65, 65}}, {2, 4, {42.5, 45, 65, 65}}};
        const SheetLayout l(values(10, 12, 5, 5, 3, 4, 1, 2, 1), QSizeF(60, 60), std::nullopt, staggered);
        QCOMPARE(l.labels().size(), std::size_t(20));
        QCOMPARE(l.labels()[11], QPointF(10 + 2 * 65 - 2, 12.5 + 3 * 65 - 1));
        QCOMPARE(l.labels()[12], QPointF(42.5 - 2, 45 - 1));
        QCOMPARE(l.labels().back(), QPointF(42.5 + 65 - 2, 45 + 3 * 65 - 1));
        // Values of the user's own: the fields' grid alone, as without the maker's grids.
        const SheetLayout own(values(11, 12, 5, 5, 3, 4, 1, 0, 0), QSizeF(60, 60), std::nullopt, staggered);
        QCOMPARE(own.labels().size(), std::size_t(12));
        QCOMPARE(own.labels()[1], QPointF(76, 12));

        const SheetLayout wide(values(5, 5, 2, 2, 20, 2, 1, 0, 0), QSizeF(4.5, 8), std::nullopt,
                               {{30, 2, {5, 5, 6.5, 10}}});
        QCOMPARE(wide.labels().size(), std::size_t(60));
        QCOMPARE(wide.labels()[29], QPointF(5 + 29 * 6.5, 5));
        const SheetLayout hostile(values(0, 0, 0, 0, 20, 20, 1, 0, 0), QSizeF(1, 1), std::nullopt,
                                  std::vector<LabelGrid>(50, {1000, 1000, {0, 0, 1, 1}}));
        QCOMPARE(hostile.labels().size(), std::size_t(kMaxSheetLabels));
    }

    void countsAreHeldToTheDialogsRanges()
    {
        const SheetLayout zero(values(0, 0, 0, 0, 0, 0, 0, 0, 0), QSizeF(10, 10));
        QCOMPARE(zero.sheetCount(), 1);
        QCOMPARE(zero.across(), 1);
        QCOMPARE(zero.down(), 1);
        QCOMPARE(zero.labels().size(), std::size_t(1));

        const SheetLayout hostile(values(0, 0, 0, 0, 32767, 32767, 32767, 0, 0), QSizeF(10, 10));
        QCOMPARE(hostile.sheetCount(), 10);
        QCOMPARE(hostile.across(), 20);
        QCOMPARE(hostile.down(), 20);
        QCOMPARE(hostile.labels().size(), std::size_t(400));

        const SheetLayout negative(values(0, 0, 0, 0, -5, -1, -3, 0, 0), QSizeF(10, 10));
        QCOMPARE(negative.labels().size(), std::size_t(1));
        QCOMPARE(negative.sheetCount(), 1);
    }

    void storedSettingsGiveTheNineValuesInOrder()
    {
        const PrintSettings s{.ImpDefaut = 2, .ImpMargeG = 5, .ImpMargeH = 4, .ImpResol = 3, .ImpNbrP = 7, .ImpPosX = 15,
                              .ImpPosY = 12, .ImpSepH = 2, .ImpSepV = 3, .ImpNbrH = 6, .ImpNbrV = 8, .sheetGrid = {},
                              .designs = {}, .back = {}, .paper = {}, .outline = {}, .options = {}, .grids = {}};
        QCOMPARE(test::nine(layoutValues(s)), (QList<int>{15, 12, 2, 3, 6, 8, 7, 5, 4}));
    }

    void previewPastesTheWholeLabelAndCutsAtThePageEdge()
    {
        Etiquette tab;
        tab.setPrjWidth(150);
        tab.setPrjHeight(40);
        tab.pctFond(rgbColor(0, 0, 255));
        tab.NewLabel(10, 10);
        tab.Caption(1, QStringLiteral("MMMMMMMM"));
        tab.FontStyle(1, QStringLiteral("Tahoma"), 20, true, false, false, false);
        tab.FontCouleur(1, rgbColor(255, 255, 0));
        // Two across: the second label starts at 160 mm and runs past 210 mm.
        const std::vector<QImage> pages = previewPages(tab, values(0, 0, 10, 0, 2, 1, 1, 0, 0));
        QCOMPARE(pages.size(), std::size_t(1));
        const QList<QRect> blue = test::inReadingOrder(test::regions(pages[0], test::near(Qt::blue), 2000));
        QCOMPARE(blue.size(), 2);
        QCOMPARE(blue[1].right(), pages[0].width() - 1);
        // The snapshot carries the text: yellow inside each label.
        QVERIFY(!test::regions(pages[0].copy(blue[0]), test::near(Qt::yellow, 60), 20).isEmpty());
        QVERIFY(!test::regions(pages[0].copy(blue[1]), test::near(Qt::yellow, 60), 20).isEmpty());
    }

    // The templates for A4 sheets of labels that come with the program: each reads without a
    // warning and, printed with its own settings, puts every label within 0,5 mm of where the
    // sheet has it.
    void everySheetOfTheTableIsShippedAndNoOther()
    {
        const QStringList shipped = shippedSheetTemplates();
        QVERIFY(shipped.size() >= 20);
        QCOMPARE(shipped.size(), qsizetype(std::size(kSheets)));
        for (const QString& file : shipped)
            QVERIFY2(sheetNamed(captionFromFileTitle(file)), qPrintable(file));
    }

    void labelsFallOnTheSheet_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& file : shippedSheetTemplates())
            QTest::newRow(qPrintable(file)) << file;
    }

    void labelsFallOnTheSheet()
    {
        QFETCH(QString, file);
        const Sheet* sheet = sheetNamed(captionFromFileTitle(file));
        QVERIFY(sheet);
        // The maker's grid itself fits on A4.
        QVERIFY(sheet->left + (sheet->across - 1) * sheet->pitchAcross + sheet->width <= kA4Width + 1e-9);
        QVERIFY(sheet->top + (sheet->down - 1) * sheet->pitchDown + sheet->height <= kA4Height + 1e-9);

        for (const RegionalFormat& format : {test::french(), test::english()}) {
            Project project;
            QVERIFY(readProjectFile(QStringLiteral(":/templates/") + file, project, format).ok());
            const Etiquette& tab = project.tab(1);
            QCOMPARE(tab.prjWidth(), sheet->width);
            QCOMPARE(tab.prjHeight(), sheet->height);
            // From the paper's edge: the printer's own margins are the user's to set.
            QCOMPARE(tab.print().ImpMargeG, std::int16_t(0));
            QCOMPARE(tab.print().ImpMargeH, std::int16_t(0));

            const SheetLayout layout(layoutValues(tab.print()), QSizeF(tab.prjWidth(), tab.prjHeight()),
                                     tab.print().sheetGrid);
            QCOMPARE(layout.across(), sheet->across);
            QCOMPARE(layout.down(), sheet->down);
            QCOMPARE(layout.sheetCount(), 1);
            for (int r = 0; r < sheet->down; ++r) {
                for (int c = 0; c < sheet->across; ++c) {
                    const QPointF at = layout.labels()[std::size_t(r * sheet->across + c)];
                    const QPointF nominal(sheet->left + c * sheet->pitchAcross, sheet->top + r * sheet->pitchDown);
                    QString where;
                    QDebug(&where) << "row" << r + 1 << "column" << c + 1 << at << "instead of" << nominal;
                    QVERIFY2(std::abs(at.x() - nominal.x()) <= kTolerance && std::abs(at.y() - nominal.y()) <= kTolerance,
                             qPrintable(where));
                }
            }
        }
    }

    // Several designs on one sheet and printing front and back, through the batch tool:
    // which tab each position shows with which row, each back behind its front once the
    // paper is turned (within 0.1 mm, at 300 dpi), and the preview's pages alike.
    void eachBackLiesBehindItsFront_data()
    {
        QTest::addColumn<QByteArray>("flip");
        QTest::addColumn<QPointF>("backOffset");
        QTest::newRow("long edge") << QByteArray("0") << QPointF();
        QTest::newRow("short edge, back moved") << QByteArray("1") << QPointF(0.5, -0.4);
    }

    void eachBackLiesBehindItsFront()
    {
        QFETCH(QByteArray, flip);
        QFETCH(QPointF, backOffset);
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk"), pdf = dir.filePath("planches.pdf");
        test::writeBytes(in, project(flip));
        test::writeBytes(dir.filePath("jean.csv"), "Nom\r\nJ1\r\nJ2\r\nJ3\r\nJ4\r\n");
        test::writeBytes(dir.filePath("marie.csv"), "Nom\r\nM1\r\nM2\r\n");
        QStringList args{"sheets", in, pdf};
        if (!backOffset.isNull())
            args << "--back-offset" << QStringLiteral("%1,%2").arg(backOffset.x()).arg(backOffset.y());
        QCOMPARE(test::batch(args).exitCode, 0);

        // Four rows of Jean over his three positions make two sheets, each followed by
        // its back; Marie's two rows fill her first two positions.
        const QList<test::PdfWord> all = test::pdfWords(pdf);
        QCOMPARE(words(all, 1), (QStringList{"J1@25,35", "J2@95,35", "J3@25,75", "M1@95,75", "M2@25,115"}));
        QCOMPARE(words(all, 3), QStringList{"J4@25,35"});
        const bool longEdge = flip == "0";
        const QStringList backs = longEdge ? QStringList{"J1@135,35", "J2@65,35", "J3@135,75"}
                                           : QStringList{"J1@25,242", "J2@95,242", "J3@25,202"};
        if (backOffset.isNull())
            QCOMPARE(words(all, 2), backs);
        QCOMPARE(words(all, 4).size(), 1);

        // Turned over, every green back covers its red front.
        const QList<QImage> pages = test::rasterise(pdf, 300);
        QCOMPARE(pages.size(), 4);
        const double perMm = 300 / 25.4;
        const QList<QRect> fronts = test::inReadingOrder(test::regions(pages[0], test::near(Qt::red), 2000));
        QList<QPointF> turned;
        for (const QRect& f : fronts) {
            const QPointF corner(f.left() / perMm, f.top() / perMm);
            turned << (longEdge ? QPointF(210 - corner.x() - 60, corner.y()) : QPointF(corner.x(), 297 - corner.y() - 30)) +
                          backOffset;
        }
        QCOMPARE(fronts.size(), 3);
        std::sort(turned.begin(), turned.end(), [](QPointF a, QPointF b) {
            return qRound(a.y()) != qRound(b.y()) ? a.y() < b.y() : a.x() < b.x();
        });
        const QList<QRect> found = test::inReadingOrder(test::regions(pages[1], test::near(Qt::green), 2000));
        QCOMPARE(test::misplaced(found, turned, perMm, 0.1 * perMm + 0.5, {60, 30}, 0.1 * perMm + 1), QString());
    }

    void eachDesignCountsItsOwnLabelsAndCopies()
    {
        // Jean's rows fill as many labels as their copies; each design's «N°» counts its
        // own labels.
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk"), pdf = dir.filePath("planches.pdf");
        QByteArray bytes = project("0").replace("|\xABNom\xBB|", "|\xABNom\xBB-\xABN\xB0\xBB|");
        bytes.replace("FUSION|jean.csv|1\r\n", "FUSION|jean.csv|1\r\nFUSIONOPT|1|1|0|0|0|||Nb\r\n");
        test::writeBytes(in, bytes.replace("VERSO|3|0\r\n", ""));
        test::writeBytes(dir.filePath("jean.csv"), "Nom;Nb\r\nJ1;2\r\nJ2;0\r\nJ3;1\r\n");
        test::writeBytes(dir.filePath("marie.csv"), "Nom\r\nM1\r\nM2\r\n");
        QCOMPARE(test::batch({"sheets", in, pdf}).exitCode, 0);
        QCOMPARE(words(test::pdfWords(pdf), 1),
                 (QStringList{"J1-1@25,35", "J1-2@95,35", "J3-3@25,75", "M1-1@95,75", "M2-2@25,115"}));
    }

    void thePreviewShowsEveryDesignAndTheBacksAfterTheirFronts()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk"), out = dir.filePath("pages");
        test::writeBytes(in, project("0"));
        test::writeBytes(dir.filePath("jean.csv"), "Nom\r\nJ1\r\nJ2\r\nJ3\r\nJ4\r\n");
        test::writeBytes(dir.filePath("marie.csv"), "Nom\r\nM1\r\nM2\r\n");
        QCOMPARE(test::batch({"preview", in, out}).exitCode, 0);
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), 4);
        const auto count = [&](int page, QColor colour) {
            const QImage image(QDir(out).filePath(QStringLiteral("Page%1.png").arg(page)));
            return test::regions(image, test::near(colour), 500).size();
        };
        QCOMPARE((QList<qsizetype>{count(1, Qt::red), count(1, Qt::blue), count(2, Qt::green), count(3, Qt::red),
                                   count(4, Qt::green)}),
                 (QList<qsizetype>{3, 2, 3, 1, 1}));
    }

    // A printer's calibration: printed positions move and scale by exactly the values set
    // (measured at 600 dpi on the PDF the batch tool writes), values out of range are
    // refused, the settings file keeps them per printer, and the test sheet's marks are
    // where it says.
    void printedPositionsMoveAndScaleByTheSetAmounts_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QList<double>>("calibration");  // offsets (mm), scales (%)
        QTest::newRow("none") << QStringList() << QList<double>{0, 0, 100, 100};
        QTest::newRow("offset") << QStringList{"--offset", "1.5,-2.3"} << QList<double>{1.5, -2.3, 100, 100};
        QTest::newRow("scale") << QStringList{"--scale", "101,25;98,5"} << QList<double>{0, 0, 101.25, 98.5};
        QTest::newRow("both") << QStringList{"--offset", "-0.7;3.1", "--scale", "103,96.2"}
                              << QList<double>{-0.7, 3.1, 103, 96.2};
        QTest::newRow("printer") << QStringList{"--printer", "Bureau 2"} << QList<double>{2, -1.5, 97, 104.5};
        QTest::newRow("printer, offset of the run")
            << QStringList{"--printer", "Bureau 2", "--offset", "0,0"} << QList<double>{0, 0, 97, 104.5};
        QTest::newRow("another printer") << QStringList{"--printer", "Atelier"} << QList<double>{0, 0, 100, 100};
    }

    void printedPositionsMoveAndScaleByTheSetAmounts()
    {
        QFETCH(QStringList, options);
        QFETCH(QList<double>, calibration);
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk"), pdf = dir.filePath("planches.pdf");
        test::writeBytes(in, kCalibrated);
        test::writeBytes(dir.filePath("Plakatorium.ini"), kSettings);
        const test::BatchRun r =
            test::batch(QStringList{"sheets", in, pdf, "--settings", dir.filePath("Plakatorium.ini")} + options);
        QCOMPARE(r.exitCode, 0);
        const auto x = [&](double mm) { return mm * calibration[2] / 100 + calibration[0]; };
        const auto y = [&](double mm) { return mm * calibration[3] / 100 + calibration[1]; };
        // The first label's left and top edges, the last one's right and bottom edges.
        const double found[4] = {edge(pdf, x(15), y(37), true, true), edge(pdf, y(12), x(60), false, true),
                                 edge(pdf, x(197), y(90), true, false), edge(pdf, y(115), x(152), false, false)};
        const double expected[4] = {x(15), y(12), x(197), y(115)};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(std::fabs(found[i] - expected[i]) <= 0.05,
                     qPrintable(QStringLiteral("edge %1 at %2 mm, not %3").arg(i).arg(found[i]).arg(expected[i])));
    }

    void valuesOutOfRangeAreRefused_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("limits") << QStringList{"--offset", "10,-10", "--scale", "95;105", "--back-offset", "-10,10"}
                                << 0;
        QTest::newRow("offset") << QStringList{"--offset", "10.1,0"} << 2;
        QTest::newRow("offset down") << QStringList{"--offset", "0;-12"} << 2;
        QTest::newRow("scale") << QStringList{"--scale", "94.9,100"} << 2;
        QTest::newRow("scale down") << QStringList{"--scale", "100,105.5"} << 2;
        QTest::newRow("back offset") << QStringList{"--back-offset", "11,0"} << 2;
        QTest::newRow("one number") << QStringList{"--offset", "1"} << 2;
        QTest::newRow("not for a preview") << QStringList{"--printer", "PDF"} << 2;
    }

    void valuesOutOfRangeAreRefused()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk");
        test::writeBytes(in, kCalibrated);
        const bool preview = QByteArray(QTest::currentDataTag()) == "not for a preview";
        const test::BatchRun r = test::batch(
            QStringList{preview ? "preview" : "sheets", in, dir.filePath(preview ? "pages" : "p.pdf")} + options);
        QCOMPARE(r.exitCode, exitCode);
        if (exitCode == 2 && !preview && options.size() == 2 && options[1].contains(QRegularExpression("[,;]")))
            QVERIFY2(QString::fromUtf8(r.err).contains(options[0] + " " + options[1] + " : valeurs de"), r.err.constData());
    }

    void calibrationsAreKeptPerPrinterInASectionOfTheirOwn()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("Plakatorium.ini");
        test::writeBytes(ini, "[MENU]\r\nWindows=2\r\n\r\n[ETALONNAGE]\r\nabime=1;2\r\nloin=11;0;100;100;0;0\r\n");
        const CalibrationStore store(ini);
        QVERIFY(store.remember(kPdfFileEntry, {0.54, -1, 101.004, 99.5, 0, 0.2}));
        QVERIFY(store.remember("a=b;[c]é", {0, 0, 100, 100, -0.06, -0.04}));
        QCOMPARE(test::readBytes(ini), QByteArray("[MENU]\r\nWindows=2\r\n\r\n[ETALONNAGE]\r\nabime=1;2\r\n"
                                                  "loin=11;0;100;100;0;0\r\n"
                                                  "Imprimer dans un fichier PDF=0.5;-1;101;99.5;0;0.2\r\n"
                                                  "a%3Db%3B%5Bc%5D%C3%A9=0;0;100;100;-0.1;0\r\n"));
        QCOMPARE(store.forPrinter(kPdfFileEntry), (Calibration{0.5, -1, 101, 99.5, 0, 0.2}));
        QCOMPARE(store.forPrinter("A=B;[C]é"), (Calibration{0, 0, 100, 100, -0.1, 0}));
        for (const char* none : {"abime", "loin", "autre"})
            QVERIFY(store.forPrinter(none).isIdentity());
    }

    void theTestSheetsMarksAreWhereItSays()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("Etalonnage.pdf");
        QCOMPARE(calibrationSheetToPdf(pdf, "Bureau"), QString());
        QVERIFY(test::pdfText(pdf).contains(QStringLiteral("Étalonnage de l'imprimante « Bureau »")));
        // Each crosshair's lines, and the rulers' 100 mm ticks, where the column or row
        // of most ink lies.
        QList<QPointF> centres = {{100, -1}, {-1, 100}};
        for (const QPointF& c : calibrationMarks())
            centres << c;
        const auto dark = test::near(Qt::black, 120);
        for (const QPointF& c : centres) {
            const QRectF area(c.x() < 0 ? 0 : c.x() - 3, c.y() < 0 ? 0 : c.y() - 3, 6, 6);
            const QImage image = test::rasteriseArea(pdf, 1, kDpi, area);
            const QPointF origin(std::lround(test::pixelsOf(area.x(), kDpi)), std::lround(test::pixelsOf(area.y(), kDpi)));
            QList<int> columns(image.width()), rows(image.height());
            for (int py = 0; py < image.height(); ++py)
                for (int px = 0; px < image.width(); ++px)
                    if (dark(image.pixel(px, py)))
                        ++columns[px], ++rows[py];
            const auto peak = [](const QList<int>& v) { return double(std::max_element(v.begin(), v.end()) - v.begin()); };
            const QPointF found((origin.x() + peak(columns) + 0.5) * 25.4 / kDpi,
                                (origin.y() + peak(rows) + 0.5) * 25.4 / kDpi);
            if (c.x() >= 0)
                QVERIFY2(std::fabs(found.x() - c.x()) <= 0.05, qPrintable(QString::number(found.x())));
            if (c.y() >= 0)
                QVERIFY2(std::fabs(found.y() - c.y()) <= 0.05, qPrintable(QString::number(found.y())));
        }
    }

    // plakatorium-batch sheets and preview: what they leave on disk.
    void sheetsPrintTheTabsStoredSettingsToPdf()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk"), pdf = dir.filePath("planches.pdf");
        plk::test::writeBytes(in, kTwoTabs);
        const Run r = batch({"sheets", in, pdf, "--tab", "2"});
        QCOMPARE(r.exitCode, 0);
        const QList<QImage> pages = plk::test::rasterise(pdf, 127);
        QCOMPARE(pages.size(), 2);
        // A PDF file has no unprintable margins: the stored 5 and 4 mm shift the labels.
        const QList<QRect> labels =
            plk::test::inReadingOrder(plk::test::regions(pages[1], plk::test::near(Qt::red), 2000));
        QCOMPARE(plk::test::misplaced(labels, plk::test::grid({10, 8}, {92, 53}, 2, 5), 5, 2), QString());
    }

    void previewWritesOnePicturePerPage()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk"), out = dir.filePath("pages/apercu");
        plk::test::writeBytes(in, kTwoTabs);
        QCOMPARE(batch({"preview", in, out, "--tab", "2"}).exitCode, 0);
        QCOMPARE(QDir(out).entryList(QDir::Files, QDir::Name), (QStringList{"Page1.png", "Page2.png"}));
        const QImage page(QDir(out).filePath("Page2.png"));
        QCOMPARE(page.size(), QSize(794, 1123));
        QCOMPARE(plk::test::regions(page, plk::test::near(Qt::red), 2000).size(), 10);

        // A finer page: A4 at 150 dpi, the labels painted at that resolution.
        QCOMPARE(batch({"preview", in, dir.filePath("fin"), "--tab", "2", "--dpi", "150"}).exitCode, 0);
        const QImage fine(QDir(dir.filePath("fin")).filePath("Page2.png"));
        QCOMPARE(fine.size(), QSize(1240, 1754));
        const QList<QRect> labels =
            plk::test::inReadingOrder(plk::test::regions(fine, plk::test::near(Qt::red), 2000));
        QCOMPARE(labels.size(), 10);
        // The first label at (10, 8) mm, 90 x 50 mm.
        QVERIFY(std::abs(labels[0].left() - 59) <= 1 && std::abs(labels[0].top() - 47) <= 1);
        QVERIFY(std::abs(labels[0].width() - 531) <= 1 && std::abs(labels[0].height() - 295) <= 1);
        QCOMPARE(batch({"preview", in, dir.filePath("x"), "--dpi", "1300"}).exitCode, 2);

        QCOMPARE(batch({"preview", in, dir.filePath("un")}).exitCode, 0);
        QCOMPARE(QDir(dir.filePath("un")).entryList(QDir::Files), QStringList{"Page1.png"});
        QCOMPARE(plk::test::regions(QImage(dir.filePath("un/Page1.png")), plk::test::near(Qt::green), 2000).size(), 1);
    }

    void aTabWithADataFilePrintsOneLabelPerRow()
    {
        // Twelve rows on sheets of 2 x 5 from label 9: two rows on the first sheet, ten
        // on the second; the marker «Titre» names no field and is printed as typed.
        QTemporaryDir dir;
        const QString in = dir.filePath("Badges.plk"), pdf = dir.filePath("badges.pdf");
        QByteArray project = kTwoTabs;
        project += "LABEL|«Nom» «Titre»|10|5|Tahoma|12|Faux|Faux|Faux|Faux|0\r\nFUSION|noms.csv|9\r\n";
        plk::test::writeBytes(in, project.replace("«", "\xAB").replace("»", "\xBB"));
        QByteArray csv = "Nom;Ville\r\n";
        for (int i = 1; i <= 12; ++i)
            csv += "Nom" + QByteArray::number(i) + ";Nîmes\r\n";
        plk::test::writeBytes(dir.filePath("noms.csv"), csv);

        const Run r = batch({"sheets", in, pdf, "--tab", "2"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(QString::fromUtf8(r.err).contains(QStringLiteral("«Titre»")));
        const QList<plk::test::PdfWord> words = plk::test::pdfWords(pdf);
        QStringList names;
        for (const plk::test::PdfWord& w : words)
            if (w.text.startsWith("Nom"))
                names << QStringLiteral("%1:%2").arg(w.page).arg(w.text);
        QCOMPARE(names, (QStringList{"1:Nom1", "1:Nom2", "2:Nom3", "2:Nom4", "2:Nom5", "2:Nom6", "2:Nom7", "2:Nom8",
                                     "2:Nom9", "2:Nom10", "2:Nom11", "2:Nom12"}));
        QVERIFY(words.size() == 24 && words[1].text == QStringLiteral("«Titre»"));

        QCOMPARE(batch({"preview", in, dir.filePath("apercu"), "--tab", "2"}).exitCode, 0);
        QCOMPARE(QDir(dir.filePath("apercu")).entryList(QDir::Files, QDir::Name), (QStringList{"Page1.png", "Page2.png"}));
        // Labels 1 to 8 of the first sheet stay blank: no red there.
        const QImage first(dir.filePath("apercu/Page1.png"));
        QCOMPARE(plk::test::regions(first, plk::test::near(Qt::red), 2000).size(), 2);

        // A snapshot takes the row asked for, the first by default.
        const QString svg = dir.filePath("badge.svg");
        QCOMPARE(batch({"snapshot", in, svg, "--tab", "2", "--row", "3"}).exitCode, 0);
        QVERIFY(plk::test::readBytes(svg).contains("Nom3"));
        QCOMPARE(batch({"snapshot", in, svg, "--tab", "2"}).exitCode, 0);
        QVERIFY(plk::test::readBytes(svg).contains("Nom1"));
        const Run beyond = batch({"snapshot", in, svg, "--tab", "2", "--row", "13"});
        QCOMPARE(beyond.exitCode, 1);
        QVERIFY(beyond.err.contains("13"));
        QCOMPARE(batch({"snapshot", in, svg, "--tab", "1", "--row", "1"}).exitCode, 1);
        QCOMPARE(batch({"snapshot", in, svg, "--tab", "2", "--row", "0"}).exitCode, 2);
        QCOMPARE(batch({"sheets", in, pdf, "--tab", "2", "--row", "1"}).exitCode, 2);

        // Without its data file nothing is written, and the message names the file.
        QFile::remove(pdf);
        QFile::remove(dir.filePath("noms.csv"));
        const Run missing = batch({"sheets", in, pdf, "--tab", "2"});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(QString::fromUtf8(missing.err).contains(dir.filePath("noms.csv")));
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(batch({"preview", in, dir.filePath("rien"), "--tab", "2"}).exitCode, 1);
        QVERIFY(!QFile::exists(dir.filePath("rien/Page1.png")));
    }

    void theCommandLinesDataAndCounterAndLabelsClippedToTheirEdge()
    {
        // The tab counts from 1 and takes a row's copies from "Ex"; the command line names
        // another file (row C three times) and a counter from 5 by 2 on 3 digits.
        QTemporaryDir dir;
        const QString in = dir.filePath("Lots.plk"), pdf = dir.filePath("lots.pdf");
        QByteArray project = kTwoTabs + "LABEL|«Nom»-«N°» " + QByteArray(60, 'W') +
                             "|10|5|Tahoma|12|Faux|Faux|Faux|Faux|0\r\nFUSION|noms.csv|1\r\nFUSIONOPT|1|1|0|0|0|||Ex\r\n";
        plk::test::writeBytes(in, project.replace("«", "\xAB").replace("»", "\xBB").replace("°", "\xB0"));
        plk::test::writeBytes(dir.filePath("noms.csv"), "Nom;Ex\r\nA;1\r\n");
        plk::test::writeBytes(dir.filePath("autres.csv"), "Nom;Ex\r\nB;1\r\nC;3\r\n");
        const Run r = batch({"sheets", in, pdf, "--tab", "2", "--data", dir.filePath("autres.csv"), "--counter", "5,2,3"});
        QCOMPARE(r.exitCode, 0);
        QStringList labels;
        for (const plk::test::PdfWord& w : plk::test::pdfWords(pdf))
            if (!w.text.startsWith(QLatin1Char('W')))
                labels << w.text;
        QCOMPARE(labels, (QStringList{"B-005", "C-007", "C-009", "C-011"}));
        // The long line stops at its label's right edge (15 - 5 + 90 mm on a file's page): the gap
        // before the next label stays white.
        const QImage gap = plk::test::rasteriseArea(pdf, 1, 150, QRectF(100.4, 8, 1.2, 50));
        int ink = 0;
        for (int y = 0; y < gap.height(); ++y)
            for (int x = 0; x < gap.width(); ++x)
                ink += qGray(gap.pixel(x, y)) < 128 ? 1 : 0;
        QCOMPARE(ink, 0);
        QCOMPARE(batch({"sheets", in, pdf, "--tab", "2", "--counter", "5,0"}).exitCode, 2);
        QCOMPARE(batch({"snapshot", in, dir.filePath("x.png"), "--counter", "5"}).exitCode, 2);
        QCOMPARE(batch({"print", in, "--tab", "2", "--copies", "0"}).exitCode, 2);
        const Run unknownQueue = batch({"print", in, "--tab", "2", "--printer", "PasDeFileIci"});
        QCOMPARE(unknownQueue.exitCode, 1);
        QVERIFY(unknownQueue.err.contains("impression impossible"));
    }

    void theQueueMakesTheCopies()
    {
        // A stand-in for lp keeps its options and the number of pages it was given.
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk"), lp = dir.filePath("lp");
        plk::test::writeBytes(in, kTwoTabs);
        plk::test::writeBytes(lp, "#!/bin/sh\ncd \"$(dirname \"$0\")\"\necho \"$1 $2 $3 $4 $5 $6 $7\" > lp.txt\n"
                                  "pdfinfo \"$8\" | grep Pages >> lp.txt\n");
        QFile::setPermissions(lp, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.path().toLocal8Bit() + ":" + path);
        const Run r = batch({"print", in, "--tab", "2", "--copies", "3", "--uncollated"});
        qputenv("PATH", path);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(plk::test::readBytes(dir.filePath("lp.txt")).simplified(),
                 "-t Cartes.plk -n 3 -o collate=false -- Pages: 2");
    }

    void failuresAndUsage()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk");
        plk::test::writeBytes(in, kTwoTabs);
        QCOMPARE(batch({"sheets", in, dir.filePath("x.pdf"), "--tab", "3"}).exitCode, 1);
        QCOMPARE(batch({"sheets", in, dir.filePath("x.png")}).exitCode, 2);
        QCOMPARE(batch({"sheets", in}).exitCode, 2);
        QCOMPARE(batch({"preview", in, dir.filePath("p"), "--background-only"}).exitCode, 2);
        const Run unwritable = batch({"sheets", in, dir.filePath("absent/x.pdf")});
        QCOMPARE(unwritable.exitCode, 1);
        QVERIFY(unwritable.err.contains("x.pdf"));
        plk::test::writeBytes(dir.filePath("fichier"), "pas un dossier");
        QCOMPARE(batch({"preview", in, dir.filePath("fichier")}).exitCode, 1);
        const Run help = batch({"--help"});
        QVERIFY(help.out.contains("sheets ENTREE SORTIE.pdf [--tab N]"));
        QVERIFY(help.out.contains("preview ENTREE DOSSIER [--tab N]"));
    }
};

PLK_TEST_CLASS(TestSheets)
#include "tst_Sheets.moc"
