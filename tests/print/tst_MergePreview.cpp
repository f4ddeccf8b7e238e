// Previewing and printing a tab filled from a data file through the windows: the
// preview's pages and tabs count the sheets the rows make, a data file that cannot
// be read stops the print before anything is sent, and markers that name no field
// are warned of first.

#include "canvas/core/Etiquette.h"
#include "print/PrintFixture.h"
#include "print/ui/frmPage.h"
#include "print/ui/frmPrint.h"
#include "widgets/ui/TxtBox.h"
#include "support/PdfProbe.h"
#include "support/TestRegistry.h"
#include "support/WidgetDriving.h"
#include "widgets/ui/ToolbarButton.h"

#include <QLabel>
#include <QTabBar>
#include <QtTest>

using namespace plk;
using Answer = Dialogs::Answer;

namespace {

/// A red 60 x 30 label on sheets of 3 x 8 (2 mm apart) that go to a PDF file, its
/// text naming the field Nom.
QByteArray mergedProject(const QByteArray& dataFile, const QByteArray& text = "\xABNom\xBB")
{
    return "ONGLET|Badge\r\n"
           "PROJET|Badge|60|30|255|0|Faux|Faux|Faux|Faux|Faux\r\n"
           "LABEL|" + text + "|5|5|Tahoma|10|Faux|Faux|Faux|Faux|0\r\n"
           "FOND|1|255\r\n"
           "PRINT|2|0|0|1|1|0|0|2|2|3|8\r\n"
           "FUSION|" + dataFile + "|1\r\n";
}

QByteArray names(int rows)
{
    QByteArray csv = "Nom\r\n";
    for (int i = 1; i <= rows; ++i)
        csv += "Nom" + QByteArray::number(i) + "\r\n";
    return csv;
}

}  // namespace

class TestMergePreview : public QObject {
    Q_OBJECT

    std::unique_ptr<test::PrintFixture> f;

    frmPage* preview(const QByteArray& project) { return f->preview(project); }

private Q_SLOTS:
    void init() { f = std::make_unique<test::PrintFixture>(); }
    void cleanup() { f.reset(); }

    void aThousandRowsMakeFortyTwoPagesInStripsOfTwenty()
    {
        test::writeBytes(f->dir.filePath("noms.csv"), names(1000));
        frmPage* p = preview(mergedProject("noms.csv"));
        QVERIFY(p);
        QCOMPARE(p->PageCount(), 42);
        QCOMPARE(p->LabelA()->text(), QStringLiteral("Page 01/42"));
        QStringList first;
        for (int i = 1; i <= 20; ++i)
            first << QStringLiteral("Page n°%1").arg(i);
        QCOMPARE(test::tabTexts(p->Tab1()), first + QStringList{"Pages 21 à 40 »"});

        // The strip's last tab leads to the next twenty.
        p->Tab1()->setCurrentIndex(20);
        QCOMPARE(p->currentPage(), 21);
        QCOMPARE(p->LabelA()->text(), QStringLiteral("Page 21/42"));
        QCOMPARE(p->Tab1()->count(), 22);
        QCOMPARE(p->Tab1()->tabText(0), QStringLiteral("« Pages 1 à 20"));
        QCOMPARE(p->Tab1()->tabText(1), QStringLiteral("Page n°21"));
        QCOMPARE(p->Tab1()->tabText(21), QStringLiteral("Pages 41 à 42 »"));
        QCOMPARE(p->Tab1()->currentIndex(), 1);
        QTest::mouseClick(p->Bouton(5), Qt::LeftButton);  // ">>"
        QCOMPARE(p->LabelA()->text(), QStringLiteral("Page 42/42"));
        QCOMPARE(test::tabTexts(p->Tab1()), (QStringList{"« Pages 21 à 40", "Page n°41", "Page n°42"}));
        QCOMPARE(p->Tab1()->currentIndex(), 2);
        p->Tab1()->setCurrentIndex(0);
        QCOMPARE(p->currentPage(), 21);

        // The last page holds rows 985 to 1000: sixteen labels, and the page shown is
        // the one drawn for it.
        const QImage last = p->pageImage(42);
        QCOMPARE(test::regions(last, test::near(Qt::red), 2000).size(), 16);
        QCOMPARE(p->Page(42)->pixmap().toImage().convertToFormat(last.format()), last);
        // Pages seen long ago are let go; what is asked again is drawn again.
        for (int page = 1; page <= 20; ++page)
            p->selectPage(page);
        QVERIFY(p->findChildren<QLabel*>().size() <= frmPage::kKeptPages + 2);
        QCOMPARE(p->pageImage(42), last);
    }

    void theSetUpLeavesTheSheetCountToTheRows()
    {
        test::writeBytes(f->dir.filePath("noms.csv"), names(30));
        QVERIFY(f->open(mergedProject("noms.csv")));
        f->commands->showPrint();
        frmPrint& d = f->commands->printDialog();
        QVERIFY(!d.NbrP()->isEnabled());
        QVERIFY(d.NbrP()->toolTip().contains(QStringLiteral("fichier de données")));
        d.close();
        f->commands->project()->surface(1).setMergeSettings(MergeSettings());
        f->commands->showPrint();
        QVERIFY(d.NbrP()->isEnabled());
        d.close();
    }

    void aMissingDataFileStopsBeforeAnythingIsSent()
    {
        frmProjet* window = f->open(mergedProject("absent.csv"));
        QVERIFY(window);
        f->menu->Mnu_ID_Fichier_Click(Fichier::Apercu);
        QVERIFY(!f->commands->preview());
        QCOMPARE(f->dialogs->shown.size(), 1);
        QVERIFY(f->dialogs->shown[0].text.contains(f->dir.filePath("absent.csv")));

        f->dialogs->answers.push_back(Answer::Yes);
        f->commands->ConfirmAndPrint();
        QCOMPARE(f->dialogs->shown.size(), 3);  // the question, then the file named; no file dialog
        QVERIFY(f->dialogs->shown[2].text.contains(f->dir.filePath("absent.csv")));
        QCOMPARE(f->dialogs->shown[2].kind, QStringLiteral("message"));
    }

    void markersThatNameNoFieldAreWarnedOfThenPrintedAsTyped()
    {
        test::writeBytes(f->dir.filePath("noms.csv"), names(30));
        QVERIFY(f->open(mergedProject("noms.csv", "\xABNom\xBB \xABTitre\xBB")));
        const QString pdf = f->dir.filePath("badges.pdf");
        // Turned down: nothing printed.
        f->dialogs->answers = {Answer::Yes, Answer::Cancel};
        f->commands->ConfirmAndPrint();
        QCOMPARE(f->dialogs->shown.size(), 2);
        QCOMPARE(f->dialogs->shown[1].text, QStringLiteral("Ce champ ne figure pas dans le fichier de données ; il "
                                                           "sera imprimé tel quel :\n\n«Titre»"));
        QCOMPARE(f->dialogs->shown[1].buttons, Dialogs::Buttons::OkCancel);
        // Accepted: two sheets, each row with the marker as typed.
        f->dialogs->answers = {Answer::Yes, Answer::Ok};
        f->dialogs->files.push_back(Dialogs::FileAnswer{pdf, 0});
        f->commands->ConfirmAndPrint();
        const QList<test::PdfWord> words = test::pdfWords(pdf);
        QCOMPARE(words.size(), 60);
        QCOMPARE(words.last().page, 2);
        QCOMPARE(words[0].text, QStringLiteral("Nom1"));
        QCOMPARE(words[1].text, QStringLiteral("«Titre»"));
        QCOMPARE(words[58].text, QStringLiteral("Nom30"));
    }
};

PLK_TEST_CLASS(TestMergePreview)
#include "tst_MergePreview.moc"
