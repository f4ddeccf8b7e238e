// The print set-up dialog: what it loads from the tab, what choosing a printer or a
// quality does, what it stores back on closing, and printing after the question.

#include "base/core/AppState.h"
#include "canvas/core/Etiquette.h"
#include "print/PrintFixture.h"
#include "print/ui/frmPage.h"
#include "document/core/ProjectFile.h"
#include "print/ui/frmCalibration.h"
#include "print/ui/frmPrint.h"
#include "print/ui/frmSheetDesigns.h"
#include "support/HostileFiles.h"
#include "support/PdfProbe.h"
#include "support/TestRegistry.h"
#include "support/WidgetDriving.h"
#include "widgets/ui/HeaderPlus.h"
#include "widgets/ui/ToolbarButton.h"
#include "widgets/ui/TxtBox.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTableWidget>
#include <QLineEdit>
#include <QPushButton>
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

}  // namespace

class TestFrmPrint : public QObject {
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

private Q_SLOTS:
    void init() { f = std::make_unique<test::PrintFixture>(); }
    void cleanup() { f.reset(); }

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
        App.BoiteVisible = true;
        f->commands->showPrint();
        QCOMPARE(f->toolBox.calls, QStringList{"hide"});
        dialog().close();
        QCOMPARE(f->toolBox.calls, (QStringList{"hide", "show"}));
        App.BoiteVisible = false;
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
};

PLK_TEST_CLASS(TestFrmPrint)
#include "tst_frmPrint.moc"
