// The print set-up dialog and the preview window: what they load from the tab and store
// back, printing after the question, and tabs filled from a data file.

#include "base/core/AppState.h"
#include "base/core/Twips.h"
#include "canvas/core/Etiquette.h"
#include "canvas/ui/RulerWidget.h"
#include "document/core/ProjectFile.h"
#include "print/PrintFixture.h"
#include "print/ui/frmCalibration.h"
#include "print/ui/frmPage.h"
#include "print/ui/frmPrint.h"
#include "print/ui/frmSheetDesigns.h"
#include "support/HostileFiles.h"
#include "support/MergeFixtures.h"
#include "support/PdfProbe.h"
#include "support/TestRegistry.h"
#include "support/WidgetDriving.h"
#include "widgets/ui/HeaderPlus.h"
#include "widgets/ui/ToolbarButton.h"
#include "widgets/ui/TxtBox.h"
#include "widgets/ui/ucToolbar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>

#include <cerrno>

using namespace plk;
using Answer = Dialogs::Answer;

namespace {

const QByteArray kNeverSetUp = test::projectWith("PRINT|0|0|0|0|0|0|0|0|0|0|0");
// Atelier, margins 2 and 3, 150 Dpi, 2 sheets, first label at 15, 12, gaps 2 and 3, 2 x 5.
const QByteArray kSetUp = test::projectWith("PRINT|1|2|3|2|2|15|12|2|3|2|5");

/// The nine fields' values, or their texts.
template <typename Value = int>
QList<Value> fields(const frmPrint& d, Value (TxtBox::*read)() const = &TxtBox::Value)
{
    QList<Value> v;
    for (const TxtBox* b : {d.MargeG(), d.MargeH(), d.NbrP(), d.PosX(), d.PosY(), d.SepH(), d.SepV(), d.NbrH(), d.NbrV()})
        v << (b->*read)();
    return v;
}

// The PDF entry, 3 sheets of 2 x 5 labels from (15, 12) with margins 5 and 4.
const QByteArray kThreeSheets = test::projectWith("PRINT|2|5|4|1|3|15|12|2|3|2|5");
const QByteArray kOneSheet = test::projectWith("PRINT|2|0|0|1|1|10|10|0|0|1|1");

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

class TestPrintWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<test::PrintFixture> f;

    frmPrint& dialog() { return f->commands->printDialog(); }

    /// Opens the project and its print set-up.
    frmPrint& setUp(const QByteArray& project)
    {
        f->open(project);
        f->commands->showPrint();
        return dialog();
    }

    Etiquette& tab() { return f->commands->project()->surface(1); }

    frmPage* preview(const QByteArray& project) { return f->preview(project); }

    /// The page picture the pointer would see at the middle of the page.
    static QWidget* shownPage(frmPage* p)
    {
        const QLabel* first = p->Page(1);
        return p->Fond()->childAt(first->geometry().center());
    }

private Q_SLOTS:
    void init() { f = std::make_unique<test::PrintFixture>(); }
    void cleanup() { f.reset(); }

    // The print set-up dialog: what it loads from the tab, what choosing a printer or a
    // quality does, what it stores back on closing, and printing after the question.
    void designValuesBeforeLoading()
    {
        const frmPrint& d = dialog();
        QCOMPARE(fields(d), (QList<int>{0, 0, 1, 10, 10, 10, 10, 1, 1}));
        QCOMPARE(d.RS()->currentIndex(), 1);
        QCOMPARE(test::entries(d.RS()), (QStringList{"  35 Dpi", "  75 Dpi", "150 Dpi", "300 Dpi"}));
        QCOMPARE(d.Header()->Caption2(), QStringLiteral("Gérez la mise en page et l'impression de votre projet"));
        QCOMPARE(d.Header()->Caption1(), QStringLiteral("Imprimer le projet"));
        QCOMPARE(d.PosX()->MaxLength(), 3);
        QCOMPARE(d.NbrV()->MaxLength(), 2);
    }

    void aTabNeverSetUpOpensWithCountsAtOneAndTheFirstEntries()
    {
        frmProjet* w = f->open(kNeverSetUp);
        QVERIFY(w);
        f->menu->Mnu_ID_Fichier_Click(Fichier::Imprimer);
        frmPrint& d = dialog();
        QVERIFY(d.isVisible());
        QVERIFY(d.isModal());
        QCOMPARE(d.windowTitle(), QStringLiteral("Imprimer - [Exemple]"));
        QCOMPARE(d.Header()->Caption1(), QStringLiteral("Imprimer l'onglet : Carte"));
        QCOMPARE(test::entries(d.Combo1()), (QStringList{"Bureau", "Atelier", "Imprimer dans un fichier PDF"}));
        QCOMPARE(d.Combo1()->currentIndex(), 0);
        QCOMPARE(d.RS()->currentIndex(), 0);
        // The stored margins (0) win over the first printer's own (4 and 4).
        QCOMPARE(fields(d), (QList<int>{0, 0, 1, 0, 0, 0, 0, 1, 1}));
        QCOMPARE(fields(d, &TxtBox::Text), (QList<QString>{"0", "0", "1", "0", "0", "0", "0", "1", "1"}));
        QCOMPARE(tab().PrinterName(), QStringLiteral("Bureau"));
        QCOMPARE(tab().Resolution(), std::int16_t(-1));
        // Centred over the main window.
        const QRect main = f->menu->geometry();
        QCOMPARE(d.pos(), QPoint(main.left() + main.width() / 2 - d.width() / 2, main.top() + main.height() / 2 - d.height() / 2));
    }

    void storedSettingsLoadIntoTheFields()
    {
        const frmPrint& d = setUp(kSetUp);
        QCOMPARE(d.Combo1()->currentText(), QStringLiteral("Atelier"));
        QCOMPARE(d.RS()->currentText(), QStringLiteral("150 Dpi"));
        QCOMPARE(fields(d), (QList<int>{2, 3, 2, 15, 12, 2, 3, 2, 5}));
        QCOMPARE(tab().PrinterName(), QStringLiteral("Atelier"));
        QCOMPARE(tab().Resolution(), std::int16_t(-3));
        QCOMPARE(test::nine(d.fieldValues()), (QList<int>{15, 12, 2, 3, 2, 5, 2, 2, 3}));
    }

    void valuesOutsideTheRangesAreBroughtIntoThem()
    {
        const frmPrint& d = setUp(test::projectWith("PRINT|9|55|-4|8|500|300|-7|30000|999|25|0"));
        QCOMPARE(d.Combo1()->currentText(), QStringLiteral("Atelier"));  // no entry 9: the current printer
        QCOMPARE(d.RS()->currentIndex(), 1);                              // no quality 8: the set-up's first choice
        QCOMPARE(fields(d), (QList<int>{10, 4, 10, 200, 7, 200, 200, 20, 1}));
    }

    void typedNumbersBeyondTheRangesAreUsedAsTheyAreShown()
    {
        frmPrint& d = setUp(kSetUp);
        test::typeInto(d.MargeG(), "25");  // 0..10
        test::typeInto(d.NbrH(), "0");     // 1..20
        QCOMPARE(d.MargeG()->Value(), 2);
        // The preview takes the numbers the fields then show.
        QCOMPARE(test::nine(d.fieldValues()), (QList<int>{15, 12, 2, 3, 1, 5, 2, 10, 3}));
        QCOMPARE(fields(d, &TxtBox::Text), (QList<QString>{"10", "3", "2", "15", "12", "2", "3", "1", "5"}));
        test::typeInto(d.MargeH(), "99");
        QTest::mouseClick(d.Bouton2(2), Qt::LeftButton);  // Retour
        QCOMPARE(tab().RecupererObjet(5), QStringLiteral("PRINT|1|10|10|2|2|15|12|2|3|1|5"));
    }

    void choosingAPrinterReadsItsMarginsAndReopeningRestoresTheStoredOnes()
    {
        frmPrint& d = setUp(kSetUp);
        d.Combo1()->setFocus();
        QTest::keyClick(d.Combo1(), Qt::Key_Up);  // Atelier -> Bureau
        QCOMPARE(d.Combo1()->currentText(), QStringLiteral("Bureau"));
        QCOMPARE(tab().PrinterName(), QStringLiteral("Bureau"));
        QCOMPARE(fields(d).mid(0, 2), (QList<int>{4, 4}));  // 4.2 and 3.6 mm
        d.Combo1()->setCurrentIndex(2);
        QCOMPARE(tab().PrinterName(), kPdfFileEntry);
        QCOMPARE(fields(d).mid(0, 2), (QList<int>{0, 0}));
        test::typeInto(d.MargeG(), "7");
        QTest::mouseClick(d.Bouton2(2), Qt::LeftButton);  // Retour
        QVERIFY(!d.isVisible());
        QCOMPARE(tab().RecupererObjet(5), QStringLiteral("PRINT|2|7|0|2|2|15|12|2|3|2|5"));

        f->commands->showPrint();
        QCOMPARE((QStringList{d.Combo1()->currentText(), d.MargeG()->Text()}), (QStringList{kPdfFileEntry, "7"}));
        // The printer chosen last is the current one now: "Actualiser" keeps it.
        QTest::mouseClick(d.Bouton1(), Qt::LeftButton);
        QCOMPARE(d.Combo1()->count(), 3);
        QCOMPARE((QStringList{d.Combo1()->currentText(), d.MargeG()->Text()}), (QStringList{kPdfFileEntry, "7"}));
    }

    void refreshingWhenTheChosenPrinterWentAway()
    {
        frmPrint& d = setUp(test::projectWith("PRINT|0|1|1|1|1|10|10|0|0|1|1"));
        QCOMPARE(tab().PrinterName(), QStringLiteral("Bureau"));
        QCOMPARE(d.MargeG()->Value(), 1);
        f->printers->setEntries({{QStringLiteral("Atelier"), QMarginsF()}, {QStringLiteral("Cave"), QMarginsF(6, 6, 6, 6)}});
        QTest::mouseClick(d.Bouton1(), Qt::LeftButton);  // Actualiser
        QCOMPARE(test::entries(d.Combo1()), (QStringList{"Atelier", "Cave", kPdfFileEntry}));
        QCOMPARE((QStringList{d.Combo1()->currentText(), tab().PrinterName(), d.MargeG()->Text()}), (QStringList{"Atelier", "Atelier", "0"}));
    }

    void choosingAQualityStoresItsCode()
    {
        frmPrint& d = setUp(kNeverSetUp);
        for (const auto& [index, code] : {std::pair{2, -3}, {3, -4}, {2, -3}}) {
            d.RS()->setCurrentIndex(index);
            QCOMPARE(int(tab().Resolution()), code);
        }
        d.close();
        QCOMPARE(tab().print().ImpResol, std::int16_t(2));
    }

    void closingStoresEveryFieldAndTheRecordWritesThem()
    {
        frmPrint& d = setUp(kNeverSetUp);
        d.Combo1()->setCurrentIndex(1);
        test::typeInto(d.MargeG(), "3");
        test::typeInto(d.MargeH(), "5");
        d.RS()->setCurrentIndex(3);
        const std::pair<TxtBox*, const char*> typed[] = {{d.NbrP(), "4"}, {d.PosX(), "15"}, {d.PosY(), "12"},
                                                         {d.SepH(), "2"}, {d.SepV(), "3"},  {d.NbrH(), "2"},
                                                         {d.NbrV(), "5"}};
        for (const auto& [field, text] : typed)
            test::typeInto(field, text);
        QCOMPARE(tab().print().ImpPosX, std::int16_t(0));  // nothing stored while open
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(tab().RecupererObjet(5), QStringLiteral("PRINT|1|3|5|3|4|15|12|2|3|2|5"));
    }

    void theToolBoxHidesWhileTheDialogIsOpen()
    {
        f->open(kNeverSetUp);
        f->app.BoiteVisible = true;
        f->commands->showPrint();
        QCOMPARE(f->toolBox.calls, QStringList{"hide"});
        dialog().close();
        QCOMPARE(f->toolBox.calls, (QStringList{"hide", "show"}));
        f->app.BoiteVisible = false;
        f->commands->showPrint();
        dialog().close();
        QCOMPARE(f->toolBox.calls.size(), 2);
    }

    void previewShowsTheUnsavedValuesAndOffersNoSecondSetUp()
    {
        frmPrint& d = setUp(kSetUp);
        test::typeInto(d.NbrP(), "3");
        QTest::mouseClick(d.Bouton2(0), Qt::LeftButton);  // Aperçu
        frmPage* page = f->commands->preview();
        QVERIFY(page);
        QVERIFY(page->isVisible());
        QCOMPARE(page->PageCount(), 3);
        QVERIFY(!page->Bouton(0)->isEnabled());  // "Configurer"
        QCOMPARE(tab().print().ImpNbrP, std::int16_t(2));
        page->Bouton_Click(6);
        QTRY_VERIFY(!f->commands->preview());
        d.close();
        QCOMPARE(tab().print().ImpNbrP, std::int16_t(3));
    }

    void printingAsksFirstAndNoPrintsNothing()
    {
        setUp(kSetUp);
        f->dialogs->answers.push_back(Answer::No);
        QTest::mouseClick(dialog().Bouton2(1), Qt::LeftButton);  // Imprimer
        QCOMPARE(f->dialogs->shown.size(), 1);
        const auto& q = f->dialogs->shown.at(0);
        QCOMPARE(q.text, QStringLiteral("Etes-vous sûr de vouloir imprimer le projet ?"));
        QCOMPARE(q.icon, Dialogs::Icon::Question);
        QCOMPARE(q.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(q.title, QString());
        QVERIFY(!QFile::exists(f->printers->outputOf(QStringLiteral("Atelier"))));

        f->dialogs->answers.push_back(Answer::Yes);
        QTest::mouseClick(dialog().Bouton2(1), Qt::LeftButton);
        QCOMPARE(test::rasterise(f->printers->outputOf(QStringLiteral("Atelier")), 20).size(), 2);
        QCOMPARE(f->dialogs->shown.size(), 2);
    }

    void theLastEntryPrintsIntoAPdfFileOfTheUsersChoice()
    {
        frmPrint& d = setUp(kSetUp);
        d.Combo1()->setCurrentIndex(2);
        test::typeInto(d.NbrP(), "3");
        f->dialogs->answers.push_back(Answer::Yes);
        f->dialogs->files.push_back(std::nullopt);  // the file dialog is cancelled
        f->commands->ConfirmAndPrint();
        QCOMPARE(f->dialogs->shown.size(), 2);
        const auto& save = f->dialogs->shown.at(1);
        QCOMPARE(save.kind, QStringLiteral("save"));
        QCOMPARE(save.request.title, QStringLiteral("Imprimer dans un fichier PDF"));
        QCOMPARE(save.request.fileName, QStringLiteral("Carte.pdf"));
        QCOMPARE(save.request.directory, f->dir.path());  // beside the project file
        QCOMPARE(save.request.defaultSuffix, QStringLiteral("pdf"));

        const QString pdf = f->dir.filePath("planches.pdf");
        f->dialogs->answers.push_back(Answer::Yes);
        f->dialogs->files.push_back(Dialogs::FileAnswer{pdf, 0});
        f->commands->ConfirmAndPrint();
        QCOMPARE(f->dialogs->shown.size(), 4);  // no message after a successful job
        const QList<QImage> pages = test::rasterise(pdf, 127);
        QCOMPARE(pages.size(), 3);
        // Choosing the PDF entry set both margins to 0: the 2 x 5 labels start at 15, 12
        // from the paper's edge, 92 mm apart across and 53 mm down.
        const QList<QRect> labels = test::inReadingOrder(test::regions(pages[2], test::near(Qt::red), 2000));
        QCOMPARE(test::misplaced(labels, test::grid({15, 12}, {92, 53}, 2, 5), 5, 2), QString());
    }

    void theChosenPrintersCalibrationMovesItsJobs()
    {
        frmPrint& d = setUp(kSetUp);
        QTest::mouseClick(d.calibrateButton(), Qt::LeftButton);
        frmCalibration* c = f->commands->calibration();
        QVERIFY(c && c->isVisible());
        QCOMPARE(c->printer(), QStringLiteral("Atelier"));
        QTest::mouseClick(c->printButton(), Qt::LeftButton);  // the test sheet, on Atelier
        const QString out = f->printers->outputOf(QStringLiteral("Atelier"));
        QVERIFY(test::pdfText(out).contains(QStringLiteral("Étalonnage de l'imprimante « Atelier »")));
        for (const auto& [i, v] : {std::pair{0, 3.0}, {1, -2.5}, {2, 102.0}})
            c->field(i)->setValue(v);
        QTest::mouseClick(c->okButton(), Qt::LeftButton);
        QVERIFY(!c->isVisible());
        QVERIFY(test::readBytes(f->dir.filePath("Plakatorium.ini")).contains("[ETALONNAGE]\r\nAtelier=3;-2,5;102;100;0;0\r\n"));

        f->dialogs->answers.push_back(Answer::Yes);
        QTest::mouseClick(d.Bouton2(1), Qt::LeftButton);
        // Laid out from 13, 9 (the stored margins 2 and 3 taken off), 92 and 53 mm apart;
        // the job 102 % wider from the paper's corner, then 3 mm right and 2.5 mm up.
        const QList<QRect> labels = test::inReadingOrder(test::regions(test::rasterise(out, 127)[0], test::near(Qt::red), 2000));
        QCOMPARE(test::misplaced(labels, test::grid({16.26, 6.5}, {93.84, 53}, 2, 5), 5, 2, {91.8, 50}, 2), QString());
    }

    void otherDesignsAndTheBackAreStoredInTheTab()
    {
        frmPrint& d = setUp(kSetUp);
        QTest::mouseClick(d.designsButton(), Qt::LeftButton);
        frmSheetDesigns* s = f->commands->designs();
        QVERIFY(s && s->isVisible());
        QTest::mouseClick(s->addButton(), Qt::LeftButton);
        static_cast<QSpinBox*>(s->ranges()->cellWidget(0, 0))->setValue(6);
        QCOMPARE(static_cast<QSpinBox*>(s->ranges()->cellWidget(0, 1))->maximum(), 10);  // 2 x 5 positions
        s->backTab()->setCurrentIndex(1);
        s->flip()->setCurrentIndex(1);
        QTest::mouseClick(s->okButton(), Qt::LeftButton);
        QTest::keyClick(&d, Qt::Key_Escape);
        QCOMPARE(tabFileText(f->commands->project()->project(), 1).section("\r\n", -3),
                 QStringLiteral("POSITIONS|6|10|1\r\nVERSO|1|1\r\n"));
    }

    void aFailedJobIsReportedInFrench()
    {
        setUp(kSetUp);
        dialog().Combo1()->setCurrentIndex(2);
        f->dialogs->answers.push_back(Answer::Yes);
        f->dialogs->files.push_back(Dialogs::FileAnswer{f->dir.filePath("absent/planches.pdf"), 0});
        f->commands->ConfirmAndPrint();
        QCOMPARE(f->dialogs->shown.size(), 3);
        // The system's reason follows: the folder does not exist.
        QCOMPARE(f->dialogs->shown.at(2).text, QStringLiteral("Le fichier PDF « planches.pdf » n'a pas pu être écrit.\n\n") +
                                                   plk::test::systemReason(ENOENT));
        QCOMPARE(f->dialogs->shown.at(2).icon, Dialogs::Icon::Exclamation);
    }

    void helpOpensAtTheDialogsCaption()
    {
        setUp(kSetUp);
        QTest::mouseClick(dialog().Bouton2(3), Qt::LeftButton);
        QCOMPARE(f->help, QStringList{"Imprimer - [Exemple]"});
    }

    // The print preview window, and previewing, setting up and printing a tab filled from a
    // data file through the windows.
    // The print preview window: one page per sheet, the tabs and navigation buttons,
    // the page indicator, scrolling, rulers, "Configurer", printing and closing.
    void oneSheetGivesOnePageAndNoNavigation()
    {
        frmPage* p = preview(kOneSheet);
        QVERIFY(p);
        QVERIFY(p->isVisible());
        QCOMPARE(p->windowModality(), Qt::ApplicationModal);
        QCOMPARE(f->toolBox.calls, QStringList{"close"});  // the menu closes the tool box first
        QCOMPARE(p->PageCount(), 1);
        QCOMPARE(test::tabTexts(p->Tab1()), QStringList{"Page n°1"});
        QCOMPARE(p->LabelA()->text(), QStringLiteral("Page 01/01"));
        for (int i = 2; i <= 5; ++i)
            QVERIFY(!p->Bouton(i)->isEnabled());
        QVERIFY(p->Bouton(0)->isEnabled());
        QVERIFY(p->Bouton(1)->isEnabled());
        QCOMPARE(p->Label1()->text(), QStringLiteral("Gestionnaire d'impression v1.0.0"));
        QCOMPARE(p->Check1()->text(), QStringLiteral(" Déplacer les règles"));
        QCOMPARE(p->currentPage(), 0);
        const QStringList captions{"Configurer", "Imprimer", "<<", "<", ">", ">>", "Fermer"};
        const QStringList tips{"Configurer l'impression", "Imprimer le document", "Première page", "Page précédente",
                               "Page suivante", "Dernière page", "Quitter l'aperçu"};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(p->Bouton(i)->text(), captions[i]);
            QCOMPARE(p->Bouton(i)->toolTip(), tips[i]);
        }
    }

    void threeSheetsNavigate()
    {
        frmPage* p = preview(kThreeSheets);
        QVERIFY(p);
        QCOMPARE(p->PageCount(), 3);
        QCOMPARE(test::tabTexts(p->Tab1()), (QStringList{"Page n°1", "Page n°2", "Page n°3"}));
        QCOMPARE(p->LabelA()->text(), QStringLiteral("Page 01/03"));
        for (int i = 2; i <= 5; ++i)
            QVERIFY(p->Bouton(i)->isEnabled());

        // Each button in turn, and the page it leads to: "<" before any page was chosen
        // stays on the first page, ">" from the start goes to page 2, and ">" on the last
        // page or "<" on the first go nowhere.
        const std::pair<int, int> clicks[] = {{3, 1}, {4, 2}, {5, 3}, {4, 3}, {3, 2}, {2, 1}, {3, 1}};
        for (const auto& [button, page] : clicks) {
            const bool chosen = p->currentPage() != 0;  // the first "<" chooses none
            QTest::mouseClick(p->Bouton(button), Qt::LeftButton);
            QCOMPARE(p->currentPage(), chosen || button != 3 ? page : 0);
            QCOMPARE(p->LabelA()->text(), QStringLiteral("Page %1/03").arg(page, 2, 10, QLatin1Char('0')));
            QCOMPARE(p->Tab1()->currentIndex(), page - 1);
            QCOMPARE(shownPage(p), p->Page(page));
        }
        // A click on a tab shows its page.
        p->Tab1()->setCurrentIndex(2);
        QCOMPARE(p->currentPage(), 3);
        QCOMPARE(p->LabelA()->text(), QStringLiteral("Page 03/03"));
        QCOMPARE(shownPage(p), p->Page(3));
    }

    void theBacksOfATwoSidedJobAreNamedSo()
    {
        frmPage* p = preview(kThreeSheets + "VERSO|1|0\r\n");
        QCOMPARE(test::tabTexts(p->Tab1()), (QStringList{"Page n°1", "Page n°2 (verso)", "Page n°3", "Page n°4 (verso)",
                                                         "Page n°5", "Page n°6 (verso)"}));
    }

    void pagesShowTheLabelsWhereTheLayoutPutsThem()
    {
        frmPage* p = preview(kThreeSheets);
        // A4 at 15 twips a pixel: 11907 x 16839.9 twips.
        constexpr double kPixelsPerMm = 56.7 / 15;
        for (int page = 1; page <= 3; ++page) {
            const QImage image = p->pageImage(page);
            QCOMPARE(image.size(), QSize(794, 1123));
            QCOMPARE(p->Page(page)->size(), image.size());
            // The worked example: columns 10 and 102, rows 8, 61, 114, 167 and 220.
            const QList<QRect> labels = test::inReadingOrder(test::regions(image, test::near(Qt::red)));
            QCOMPARE(test::misplaced(labels, test::grid({10, 8}, {92, 53}, 2, 5), kPixelsPerMm, 1, {90, 50}, 2), QString());
            QCOMPARE(image.pixelColor(3, 3), QColor(Qt::white));
        }
    }

    void aHostileFileCannotAskForMillionsOfLabels()
    {
        frmPage* p = preview(test::projectWith("PRINT|2|0|0|1|32767|0|0|0|0|32767|32767"));
        QVERIFY(p);
        QCOMPARE(p->PageCount(), 10);
        QCOMPARE(p->LabelA()->text(), QStringLiteral("Page 01/10"));
        const QList<QRect> labels = test::regions(p->pageImage(10), test::near(Qt::red), 1);
        QVERIFY(!labels.isEmpty());
    }

    void theScrollBarMovesThePagesWithTheirShadowAndRulers()
    {
        frmPage* p = preview(kThreeSheets);
        QScrollBar* bar = p->VScroll1();
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->pageStep(), 50);
        QCOMPARE(bar->singleStep(), 20);
        QCOMPARE(frmPage::pageTopTwips(0), 700);
        QCOMPARE(frmPage::pageTopTwips(100), -7514);
        QCOMPARE(p->Page(1)->y(), twipsToPixels(700));
        const QPoint shadow = p->Ombre()->pos() - p->Page(1)->pos();
        QCOMPARE(shadow, QPoint(twipsToPixels(100), twipsToPixels(100)));
        const QPoint ruler = p->Regle(0)->pos() - p->Page(1)->pos();
        QCOMPARE(ruler, QPoint(0, -twipsToPixels(300)));
        QCOMPARE(p->Regle(1)->pos() - p->Page(1)->pos(), QPoint(-twipsToPixels(300), 0));

        bar->setValue(100);
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(p->Page(i)->y(), twipsToPixels(-7514));
        QCOMPARE(p->Ombre()->pos() - p->Page(1)->pos(), shadow);
        QCOMPARE(p->Regle(0)->pos() - p->Page(1)->pos(), ruler);
        // The wheel over the page area scrolls too.
        QWheelEvent wheel(QPointF(50, 50), p->Fond()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(p->Fond(), &wheel);
        QVERIFY(bar->value() < 100);
        QTest::keyClick(p->Fond(), Qt::Key_Home);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(p->Page(2)->y(), twipsToPixels(700));
    }

    void rulersMoveOnlyWhenAskedTo()
    {
        frmPage* p = preview(kOneSheet);
        RulerWidget* ruler = p->Regle(0);
        const QPoint before = ruler->pos();
        QTest::mousePress(ruler, Qt::LeftButton, {}, QPoint(30, 5));
        QMouseEvent drag(QEvent::MouseMove, QPointF(70, 45), ruler->mapToGlobal(QPointF(70, 45)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(ruler, &drag);
        QTest::mouseRelease(ruler, Qt::LeftButton, {}, QPoint(70, 45));
        QCOMPARE(ruler->pos(), before);

        p->Check1()->setChecked(true);
        QTest::mousePress(ruler, Qt::LeftButton, {}, QPoint(30, 5));
        QCoreApplication::sendEvent(ruler, &drag);
        QCOMPARE(ruler->pos(), before + QPoint(40, 40));
        // Resizing keeps a ruler that was moved where it was.
        p->resize(p->width() + 40, p->height() + 20);
        QCOMPARE(ruler->pos(), before + QPoint(40, 40));
    }

    void theFooterAndThePageAreaFollowTheWindow()
    {
        frmPage* p = preview(kOneSheet);
        p->resize(1000, 760);
        QCOMPARE(p->Label1()->y(), 760 - twipsToPixels(290));
        QCOMPARE(p->Fond()->geometry().bottom() + 1, p->Label1()->y() - twipsToPixels(150));
        QCOMPARE(p->VScroll1()->height(), p->Fond()->height());
        p->resize(1000, 900);
        QCOMPARE(p->Label1()->y(), 900 - twipsToPixels(290));
    }

    void closingReleasesTheWindow()
    {
        frmPage* p = preview(kThreeSheets);
        QVERIFY(p);
        QTest::mouseClick(p->Bouton(6), Qt::LeftButton);  // "Fermer"
        QTRY_VERIFY(!f->commands->preview());
        // The next preview is built afresh from page 1.
        f->menu->activateWindow();
        QTRY_VERIFY(f->menu->activeProject());
        f->menu->Mnu_ID_Fichier_Click(Fichier::Apercu);
        QVERIFY(f->commands->preview());
        QCOMPARE(f->commands->preview()->currentPage(), 0);
        QTest::keyClick(f->commands->preview(), Qt::Key_Escape);
        QTRY_VERIFY(!f->commands->preview());
    }

    void configureOpensTheSetUpWithoutItsOwnPreview()
    {
        frmPage* p = preview(kThreeSheets);
        QTest::mouseClick(p->Bouton(0), Qt::LeftButton);  // "Configurer"
        frmPrint& d = f->commands->printDialog();
        QVERIFY(d.isVisible());
        QVERIFY(!d.Bouton2(0)->isEnabled());
        QCOMPARE(d.NbrP()->Value(), 3);
        QTest::mouseClick(d.Bouton2(2), Qt::LeftButton);  // Retour
        QVERIFY(!d.isVisible());
        QVERIFY(p->isVisible());
        p->close();
        QTRY_VERIFY(!f->commands->preview());
        f->commands->showPrint();
        QVERIFY(d.Bouton2(0)->isEnabled());
        d.close();
    }

    void printingFromAPreviewOfTheStoredSettings()
    {
        frmPage* p = preview(kThreeSheets);
        const QString pdf = f->dir.filePath("apercu.pdf");
        f->dialogs->answers.push_back(Answer::Yes);
        f->dialogs->files.push_back(Dialogs::FileAnswer{pdf, 0});
        QTest::mouseClick(p->Bouton(1), Qt::LeftButton);  // "Imprimer"
        QCOMPARE(f->dialogs->shown.size(), 2);
        QCOMPARE(f->dialogs->shown.at(0).text, QStringLiteral("Etes-vous sûr de vouloir imprimer le projet ?"));
        QCOMPARE(test::rasterise(pdf, 20).size(), 3);
        // The set-up dialog lent its values but is not left loaded behind the preview.
        QVERIFY(!f->commands->printDialog().isLoaded());
        QVERIFY(!f->commands->printDialog().isVisible());
        QVERIFY(p->isVisible());
    }

    // Previewing and printing a tab filled from a data file through the windows: the
    // preview's pages and tabs count the sheets the rows make, a data file that cannot
    // be read stops the print before anything is sent, and markers that name no field
    // are warned of first.
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

    // The print set-up of a tab filled from a data file: its greyed "Page(s)" shows the
    // sheets the rows take with the layout typed, and the tab keeps its own count.
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
    // The greyed "Page(s)" of a tab filled from a data file shows the sheets the job prints
    // (a maker's second grid, positions given to another tab, that tab's own rows), the
    // positions dialog counts every position, and the tab keeps its own count.
    void pagesShowTheSheetsTheJobPrints()
    {
        QFETCH(int, firstLabel);
        QFETCH(QString, across);
        QFETCH(QString, sheet);
        QFETCH(QString, sheets);
        QFETCH(int, positions);
        const QString data = f->dir.filePath("adresses.csv");
        test::writeBytes(data, test::csvFile(test::addressFields(), test::fiftyAddresses()));
        frmProjet* w = f->open(test::kExampleProject);
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

        f->menu->Mnu_ID_Fichier_Click(Fichier::Imprimer);
        frmPrint& dialog = f->commands->printDialog();
        QVERIFY(!dialog.NbrP()->isEnabled());
        dialog.NbrH()->Text1()->selectAll();
        QTest::keyClicks(dialog.NbrH()->Text1(), across);
        QCOMPARE(dialog.NbrP()->Text(), sheets);
        // Positions are numbered as the job fills them, every grid's.
        QTest::mouseClick(dialog.designsButton(), Qt::LeftButton);
        frmSheetDesigns* designs = f->commands->designs();
        QTest::mouseClick(designs->addButton(), Qt::LeftButton);
        QCOMPARE(static_cast<QSpinBox*>(designs->ranges()->cellWidget(designs->ranges()->rowCount() - 1, 1))->maximum(),
                 positions);
        designs->reject();
        dialog.close();
        QCOMPARE(tab.print().ImpNbrP, std::int16_t(2));  // for printing without the data file
    }
};

PLK_TEST_CLASS(TestPrintWindows)
#include "tst_PrintWindows.moc"
