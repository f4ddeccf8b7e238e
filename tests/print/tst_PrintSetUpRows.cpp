// The print set-up of a tab filled from a data file: its greyed "Page(s)" shows the
// sheets the job prints with the layout typed (a maker's second grid, positions given
// to another tab, that tab's own rows), the positions dialog counts every position,
// and the tab keeps its own count.

#include "canvas/core/Etiquette.h"
#include "print/PrintFixture.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/frmPrint.h"
#include "print/ui/frmSheetDesigns.h"
#include "support/MergeFixtures.h"
#include "widgets/ui/TxtBox.h"
#include "support/TestRegistry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

using namespace plk;

class TestPrintSetUpRows : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void pagesShowTheSheetsTheJobPrints_data()
    {
        QTest::addColumn<int>("firstLabel");
        QTest::addColumn<QString>("across");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("sheets");
        QTest::addColumn<int>("positions");
        QTest::newRow("3 x 8, 50 rows") << 1 << "3" << "" << "3" << 24;
        QTest::newRow("from the last label") << 24 << "3" << "" << "4" << 24;
        QTest::newRow("2 x 8 typed") << 1 << "2" << "" << "4" << 16;
        QTest::newRow("1 x 8 typed") << 1 << "1" << "" << "7" << 8;
        QTest::newRow("a second grid of 2 x 3") << 1 << "3" << "grids" << "2" << 30;
        QTest::newRow("2 x 8 typed over the grids") << 1 << "2" << "grids" << "4" << 16;
        QTest::newRow("12 positions given away") << 1 << "3" << "given" << "5" << 24;
        QTest::newRow("their own rows need more") << 1 << "3" << "their rows" << "13" << 24;
    }
    void pagesShowTheSheetsTheJobPrints()
    {
        QFETCH(int, firstLabel);
        QFETCH(QString, across);
        QFETCH(QString, sheet);
        QFETCH(QString, sheets);
        QFETCH(int, positions);
        test::PrintFixture f;
        const QString data = f.dir.filePath("adresses.csv");
        test::writeBytes(data, test::csvFile(test::addressFields(), test::fiftyAddresses()));
        frmProjet* w = f.open(test::kExampleProject);
        w->project().addTab(QStringLiteral("Autre"));
        for (int t : {1, 2}) {
            w->surface(t).setPrjWidth(60);
            w->surface(t).setPrjHeight(30);
        }
        Etiquette& tab = w->surface(1);
        PrintSettings print = tab.print();
        print.ImpNbrP = 2;
        print.ImpNbrH = 3;
        print.ImpNbrV = 8;
        if (sheet == QLatin1String("grids"))  // 3 x 8 from the corner, then 2 x 3 below
            print.grids = {{3, 8, {0, 0, 60, 30}}, {2, 3, {0, 240, 60, 30}}};
        if (sheet == QLatin1String("given"))
            print.designs = {{13, 24, 2}};
        if (sheet == QLatin1String("their rows")) {
            print.designs = {{21, 24, 2}};
            w->surface(2).setMergeSettings(MergeSettings{data, false, 1});
        }
        tab.setPrint(print);
        tab.setMergeSettings(MergeSettings{data, false, std::int16_t(firstLabel)});

        f.menu->Mnu_ID_Fichier_Click(Fichier::Imprimer);
        frmPrint& dialog = f.commands->printDialog();
        QVERIFY(!dialog.NbrP()->isEnabled());
        dialog.NbrH()->Text1()->selectAll();
        QTest::keyClicks(dialog.NbrH()->Text1(), across);
        QCOMPARE(dialog.NbrP()->Text(), sheets);
        // Positions are numbered as the job fills them, every grid's.
        QTest::mouseClick(dialog.designsButton(), Qt::LeftButton);
        frmSheetDesigns* designs = f.commands->designs();
        QTest::mouseClick(designs->addButton(), Qt::LeftButton);
        QCOMPARE(static_cast<QSpinBox*>(designs->ranges()->cellWidget(designs->ranges()->rowCount() - 1, 1))->maximum(),
                 positions);
        designs->reject();
        dialog.close();
        QCOMPARE(tab.print().ImpNbrP, std::int16_t(2));  // for printing without the data file
    }
};

PLK_TEST_CLASS(TestPrintSetUpRows)
#include "tst_PrintSetUpRows.moc"
