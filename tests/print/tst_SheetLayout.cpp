// Where labels fall on a sheet, and what the preview's page pictures show there.

#include "canvas/core/Etiquette.h"
#include "print/PrintTests.h"
#include "base/core/Rounding.h"
#include "print/core/SheetLayout.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace plk;
using test::values;

Q_DECLARE_METATYPE(plk::LayoutValues)

class TestSheetLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:

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
};

PLK_TEST_CLASS(TestSheetLayout)
#include "tst_SheetLayout.moc"
