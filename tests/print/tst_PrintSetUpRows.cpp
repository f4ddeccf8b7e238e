// The print set-up of a tab filled from a data file: its greyed "Page(s)" shows the
// sheets the rows take with the layout typed, and the tab keeps its own count.

#include "canvas/core/Etiquette.h"
#include "print/PrintFixture.h"
#include "print/ui/frmPrint.h"
#include "support/MergeFixtures.h"
#include "widgets/ui/TxtBox.h"
#include "support/TestRegistry.h"

#include <QLineEdit>
#include <QtTest>

using namespace plk;

class TestPrintSetUpRows : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void pagesShowTheSheetsTheRowsNeed_data()
    {
        QTest::addColumn<int>("firstLabel");
        QTest::addColumn<QString>("across");
        QTest::addColumn<QString>("sheets");
        QTest::newRow("3 x 8, 50 rows") << 1 << "3" << "3";
        QTest::newRow("from the last label") << 24 << "3" << "4";
        QTest::newRow("2 x 8 typed") << 1 << "2" << "4";
        QTest::newRow("1 x 8 typed") << 1 << "1" << "7";
    }
    void pagesShowTheSheetsTheRowsNeed()
    {
        QFETCH(int, firstLabel);
        QFETCH(QString, across);
        QFETCH(QString, sheets);
        test::PrintFixture f;
        const QString data = f.dir.filePath("adresses.csv");
        test::writeBytes(data, test::csvFile(test::addressFields(), test::fiftyAddresses()));
        Etiquette& tab = f.open(test::kExampleProject)->surface(1);
        tab.setPrjWidth(60);
        tab.setPrjHeight(30);
        PrintSettings print = tab.print();
        print.ImpNbrP = 2;
        print.ImpNbrH = 3;
        print.ImpNbrV = 8;
        tab.setPrint(print);
        tab.setMergeSettings(MergeSettings{data, false, std::int16_t(firstLabel)});

        f.menu->Mnu_ID_Fichier_Click(Fichier::Imprimer);
        frmPrint& dialog = f.commands->printDialog();
        QVERIFY(!dialog.NbrP()->isEnabled());
        dialog.NbrH()->Text1()->selectAll();
        QTest::keyClicks(dialog.NbrH()->Text1(), across);
        QCOMPARE(dialog.NbrP()->Text(), sheets);
        dialog.close();
        QCOMPARE(tab.print().ImpNbrP, std::int16_t(2));  // for printing without the data file
    }
};

PLK_TEST_CLASS(TestPrintSetUpRows)
#include "tst_PrintSetUpRows.moc"
