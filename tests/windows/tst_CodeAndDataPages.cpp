// The tool box's CODE and FUSION pages: codes checked before they reach the tab, the
// business-card helper, and mail merge in the windows (the data file, its fields and
// rows, the first label, the LOGO page's picture column, "Aperçu des données").

#include "WindowTests.h"
#include "barcode/core/BarcodeSymbol.h"
#include "barcode/core/VCard.h"
#include "merge/core/BuiltInMarkers.h"
#include "support/MergeFixtures.h"
#include "windows/ui/ContentField.h"
#include "windows/ui/DataPage.h"
#include "windows/ui/LogoFieldBox.h"
#include "windows/ui/MergeOptionsBox.h"
#include "windows/ui/UndoCommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QUndoStack>

using namespace plk;

Q_DECLARE_METATYPE(plk::BarcodeKind)

namespace {

// A 70 x 37 label of 3 x 8 on a sheet with one text.
const QByteArray kLabel = "ONGLET|Adresse\r\n"
                          "PROJET|Adresse|70|37|16777215|8421504|Faux|Faux|Faux|Faux|Faux\r\n"
                          "LABEL|Monsieur|5|5|Tahoma|10|Faux|Faux|Faux|Faux|0\r\n"
                          "FOND|1|16777215\r\n"
                          "PRINT|0|0|0|3|1|0|0|0|0|3|8\r\n";

}  // namespace

class TestCodeAndDataPages : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;
    frmOutils* m_outils = nullptr;
    frmProjet* m_window = nullptr;

    Etiquette& tab() const { return m_window->surface(1); }
    QString codeRecords() const { return tab().RecupererObjet(Etiquette::kCodeRecords, test::french()); }

    /// Gives the page a kind and data and presses "Appliquer".
    void apply(BarcodeKind kind, const QString& data)
    {
        m_outils->codeKindList()->setCurrentIndex(m_outils->codeKindList()->findData(int(kind)));
        m_outils->codeDataField()->setPlainText(data);
        QTest::mouseClick(m_outils->codeApplyButton(), Qt::LeftButton);
    }

    QString m_csv;

    /// The label opened from the program's folder, the tool box on its FUSION page.
    frmProjet* openWithToolBox()
    {
        frmProjet* w = m_fx.open(kLabel, 0, QStringLiteral("Adresse.plk"));
        m_fx.menu->Mnu_ID_Edition_Click(Edition::BoiteOutils);
        m_outils->selectPage(frmOutils::PageDonnees);
        return w;
    }
    /// Chooses the data file through the page's "Choisir...".
    void choose(const QString& path)
    {
        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{path, 0});
        QTest::mouseClick(m_outils->dataPage()->chooseButton(), Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        m_fx.start();
        m_outils = &m_fx.startToolBox();
        QVERIFY(QDir(m_fx.dir.path()).mkpath("listes"));
        m_csv = m_fx.dir.filePath("listes/adresses.csv");
        test::writeBytes(m_csv, test::csvFile(test::addressFields(), test::fiftyAddresses()));
        m_window = test::showNewProject(*m_fx.menu, 85, 55, 0xFFFFFF, false);
        m_fx.menu->Mnu_ID_Edition_Click(Edition::AjouterCode);
    }
    void cleanup() { m_fx.stop(); }

    // The tool box's CODE page: opened by "Ajouter un code-barres" and by a double click
    // on a code; kind and data checked before they reach the code, the reason told and
    // nothing changed when they do not fit; size, colour and text; the business-card helper.
    void addingACodeOpensItsPage()
    {
        QVERIFY(m_fx.app.BoiteVisible);
        QVERIFY(m_outils->isVisible());
        QCOMPARE(m_outils->selectedPage(), int(frmOutils::PageCode));
        QCOMPARE(tab().CodeFocus(), std::int16_t(1));
        QCOMPARE(m_outils->codeKindList()->currentText(), QStringLiteral("QR code"));
        QCOMPARE(m_outils->codeDataField()->toPlainText(), QStringLiteral("https://www.exemple.fr"));
        QCOMPARE(m_outils->codeWidthField()->Text(), QStringLiteral("20"));
        QVERIFY(!m_outils->codeTextBox()->isEnabled());  // a QR code has no text line
        QCOMPARE(m_outils->fieldX()->Text(), QStringLiteral("5"));
    }

    void wrongDataIsRefusedAndChangesNothing_data()
    {
        QTest::addColumn<BarcodeKind>("kind");
        QTest::addColumn<QString>("data");
        // Each kind's reasons are checked with its data; here, what the page does with one.
        QTest::newRow("EAN-13") << BarcodeKind::EAN13 << QStringLiteral("12345");
        QTest::newRow("GS1-128") << BarcodeKind::GS1128 << QStringLiteral("(01)123");
        QTest::newRow("empty QR") << BarcodeKind::QR << QString();
    }

    void wrongDataIsRefusedAndChangesNothing()
    {
        QFETCH(BarcodeKind, kind);
        QFETCH(QString, data);
        const QString before = codeRecords();
        QSignalSpy changes(&tab(), &Etiquette::changed);
        apply(kind, data);
        QCOMPARE(m_fx.dialogs->shown.size(), 1);
        QCOMPARE(m_fx.dialogs->shown[0].kind, QStringLiteral("message"));
        QCOMPARE(m_fx.dialogs->shown[0].text, barcodeDataError(kind, data));
        QCOMPARE(m_fx.dialogs->shown[0].icon, Dialogs::Icon::Exclamation);
        QCOMPARE(codeRecords(), before);
        QCOMPARE(changes.size(), 0);
        // What was typed stays, to be corrected.
        QCOMPARE(m_outils->codeDataField()->toPlainText(), data);
    }

    void goodDataGoesToTheCodeWithTheShapeOfItsKind()
    {
        apply(BarcodeKind::EAN13, QStringLiteral("3017620422003"));
        QVERIFY(m_fx.dialogs->shown.isEmpty());
        QCOMPARE(codeRecords(), QStringLiteral("CODE|EAN13|3017620422003|5|5|40|25|0|Vrai"));
        QCOMPARE(m_outils->codeHeightField()->Text(), QStringLiteral("25"));
        QVERIFY(m_outils->codeTextBox()->isEnabled());

        QTest::mouseClick(m_outils->codeTextBox(), Qt::LeftButton);
        test::typeInto(m_outils->codeWidthField()->Text1(), QStringLiteral("50"));
        m_fx.dialogs->colours.push_back(QColor(0, 0, 128));
        QTest::mouseClick(m_outils->codeColourButton(), Qt::LeftButton);
        QCOMPARE(m_fx.dialogs->colourStarts.at(0), QColor(0, 0, 0));
        QCOMPARE(codeRecords(), QStringLiteral("CODE|EAN13|3017620422003|5|5|50|25|8388608|Faux"));

        // Line breaks of a QR code, as typed.
        apply(BarcodeKind::QR, QStringLiteral("Zoé\nTél. 01 23"));
        QCOMPARE(codeRecords(), QStringLiteral("CODE|QR|Zoé\\nTél. 01 23|5|5|20|20|8388608|Faux"));
    }

    void businessCardHelperWritesAVCard()
    {
        apply(BarcodeKind::Code128, QStringLiteral("ABC"));
        QTest::mouseClick(m_outils->vCardButton(), Qt::LeftButton);
        QCOMPARE(m_outils->codePanels()->currentIndex(), 1);
        const QString values[frmOutils::kVCardFields] = {"Zoé Lefèvre", "Dupré & Fils", "01 23 45 67 89",
                                                         "zoe@exemple.fr", "https://exemple.fr"};
        for (int k = 0; k < frmOutils::kVCardFields; ++k)
            m_outils->vCardField(k)->setText(values[k]);
        QTest::mouseClick(m_outils->vCardCreateButton(), Qt::LeftButton);
        QCOMPARE(m_outils->codePanels()->currentIndex(), 0);
        const QString expected = QStringLiteral("BEGIN:VCARD\nVERSION:3.0\nN:Lefèvre;Zoé;;;\nFN:Zoé Lefèvre\n"
                                                "ORG:Dupré & Fils\nTEL:01 23 45 67 89\nEMAIL:zoe@exemple.fr\n"
                                                "URL:https://exemple.fr\nEND:VCARD");
        QCOMPARE(tab().code(1).Kind, BarcodeKind::QR);
        QCOMPARE(tab().codeData(1), expected);
        QCOMPARE(tab().code(1).rect().size(), QSizeF(20, 20));  // square again

        // Nothing filled in: told, nothing changed.
        for (int k = 0; k < frmOutils::kVCardFields; ++k)
            m_outils->vCardField(k)->clear();
        QTest::mouseClick(m_outils->vCardButton(), Qt::LeftButton);
        QTest::mouseClick(m_outils->vCardCreateButton(), Qt::LeftButton);
        QCOMPARE(m_fx.dialogs->shown.last().text, QStringLiteral("Remplissez au moins un champ de la carte de visite."));
        QCOMPARE(tab().codeData(1), expected);
    }

    void vCardEscapesItsSeparators()
    {
        QCOMPARE(vCardData({QStringLiteral("Cher"), QStringLiteral("A; B, C\\D"), {}, {}, {}}),
                 QStringLiteral("BEGIN:VCARD\nVERSION:3.0\nN:Cher;;;;\nFN:Cher\nORG:A\\; B\\, C\\\\D\nEND:VCARD"));
        QCOMPARE(vCardData({}), QString());
    }

    void doubleClickOnACodeOpensItsPage()
    {
        m_outils->selectPage(frmOutils::PageProjet);
        tab().backgroundClick();
        CanvasWidget* canvas = m_window->view(1)->canvas();
        const QPoint at = test::toPx(QPointF(15, 15));  // inside the code
        QTest::mouseDClick(canvas, Qt::LeftButton, {}, at);
        QCOMPARE(m_outils->selectedPage(), int(frmOutils::PageCode));
        QCOMPARE(tab().CodeFocus(), std::int16_t(1));
        QCOMPARE(m_outils->codeDataField()->toPlainText(), QStringLiteral("https://www.exemple.fr"));
    }

    void positionFieldsMoveTheCode()
    {
        test::typeInto(m_outils->fieldX()->Text1(), QStringLiteral("30"));
        test::typeInto(m_outils->fieldY()->Text1(), QStringLiteral("12"));
        QCOMPARE(tab().codeRect(1).topLeft(), QPointF(30, 12));
        m_fx.menu->Mnu_ID_Edition_Click(Edition::Copier);
        m_fx.menu->Mnu_ID_Edition_Click(Edition::Coller);
        QCOMPARE(tab().IDcode(), std::int16_t(2));
        QCOMPARE(tab().codeRect(2).topLeft(), QPointF(35, 17));
    }

    void theCanvasShowsTheCode()
    {
        // The canvas lies inside the view, beside the rulers: the code goes where the
        // canvas is, not as far again from the view's corner.
        EtiquetteView* view = m_window->view(1);
        const QImage shot = view->grab().toImage();
        const double k = test::kPxPerMm;
        const QRect code = QRectF(view->canvas()->geometry().topLeft() + QPointF(5, 5) * k, QSizeF(20, 20) * k).toRect();
        int dark = 0;
        for (int y = code.top(); y <= code.bottom(); ++y)
            for (int x = code.left(); x <= code.right(); ++x)
                dark += qGray(shot.pixel(x, y)) < 64 ? 1 : 0;
        QVERIFY2(dark > 300, qPrintable(QString::number(dark)));
    }

    void deletedFromTheMenu()
    {
        m_fx.menu->Mnu_ID_Edition_Click(Edition::SupprimerObjet);
        QVERIFY(!tab().code(1).Visible);
        QCOMPARE(codeRecords(), QString());
        QCOMPARE(m_outils->codeDataField()->toPlainText(), QString());
    }

    // Mail merge in the windows: the tool box's FUSION page (choosing the data file, its
    // fields and rows, a field put into the selected text, the first label, the row) and
    // the project toolbar's "Aperçu des données".
    void choosingAFileShowsItsFieldsRowsAndFirstLabel()
    {
        frmProjet* w = openWithToolBox();
        Etiquette& tab = w->surface(1);
        DataPage* page = m_outils->dataPage();
        QVERIFY(!page->removeButton()->isEnabled());
        QVERIFY(!page->firstLabelBox()->isEnabled());
        choose(m_csv);
        QCOMPARE(m_fx.dialogs->shown.last().kind, QStringLiteral("open"));
        QCOMPARE(tab.mergeSettings().dataFile, m_csv);
        QVERIFY(tab.mergeSettings().relative);  // below the project's folder
        QCOMPARE(page->fileField()->text(), QStringLiteral("adresses.csv"));
        QCOMPARE(page->summary()->text(), QStringLiteral("6 champs, 50 lignes"));
        QCOMPARE(test::entries(page->fieldList()), test::addressFields() + builtInMarkers());
        QCOMPARE(page->rowIndicator()->text(), QStringLiteral("Ligne 1 sur 50"));
        QCOMPARE(page->firstLabelBox()->maximum(), 24);

        page->firstLabelBox()->setValue(5);
        QCOMPARE(tab.mergeSettings().firstLabel, std::int16_t(5));
        QTest::mouseClick(page->rowButton(3), Qt::LeftButton);  // last row
        QCOMPARE(tab.dataRow(), 49);
        QCOMPARE(page->rowIndicator()->text(), QStringLiteral("Ligne 50 sur 50"));
        QTest::mouseClick(page->rowButton(1), Qt::LeftButton);  // previous
        QCOMPARE(tab.dataRow(), 48);

        // Saved beside the project, the path stays relative to it.
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Enregistrer);
        QVERIFY(test::readBytes(m_fx.dir.filePath("Adresse.plk")).endsWith("FUSION|listes/adresses.csv|5\r\n"));
        // The counter's settings follow in a record of their own.
        page->options()->startBox()->setValue(1001);
        page->options()->widthBox()->setValue(6);
        page->options()->carryOnBox()->setChecked(true);
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Enregistrer);
        QVERIFY(test::readBytes(m_fx.dir.filePath("Adresse.plk"))
                    .endsWith("FUSION|listes/adresses.csv|5\r\nFUSIONOPT|1001|1|6|0|1|||\r\n"));

        QTest::mouseClick(page->removeButton(), Qt::LeftButton);
        QVERIFY(!tab.mergeSettings().active());
        QVERIFY(page->fieldList()->count() == 3 && page->fileField()->text().isEmpty());
    }

    void choosingAFileIsUndoneShowingRowsIsNot()
    {
        frmProjet* w = openWithToolBox();
        Etiquette& tab = w->surface(1);
        QUndoStack& steps = w->history().stack();
        choose(m_csv);
        w->history().checkpoint();
        QCOMPARE(steps.count(), 1);
        // Showing a row's values and moving between rows change nothing the file holds.
        w->showData(true);
        QTest::mouseClick(m_outils->dataPage()->rowButton(2), Qt::LeftButton);
        w->history().checkpoint();
        QCOMPARE(steps.count(), 1);
        w->history().undo();
        QVERIFY(!tab.mergeSettings().active());
        w->history().redo();
        QCOMPARE(tab.mergeSettings().dataFile, m_csv);
        QVERIFY(tab.mergeSettings().relative);  // still written beside the project
    }

    void aFileThatCannotBeReadIsNotTaken()
    {
        frmProjet* w = openWithToolBox();
        const QString absent = m_fx.dir.filePath("listes/absent.csv");
        choose(absent);
        QCOMPARE(m_fx.dialogs->shown.last().kind, QStringLiteral("message"));
        QVERIFY(m_fx.dialogs->shown.last().text.contains(absent));
        QVERIFY(!w->surface(1).mergeSettings().active());
        // A path the project file cannot hold is refused with its reason.
        choose(m_fx.dir.filePath("listes/a|b.csv"));
        QVERIFY(m_fx.dialogs->shown.last().text.contains(QStringLiteral("ne peut pas être enregistré")));
        QVERIFY(!w->surface(1).mergeSettings().active());
    }

    void aFieldGoesToTheCaretOfTheSelectedText()
    {
        frmProjet* w = openWithToolBox();
        Etiquette& tab = w->surface(1);
        choose(m_csv);
        DataPage* page = m_outils->dataPage();
        page->fieldList()->setCurrentRow(1);  // Nom
        QVERIFY(!page->insertButton()->isEnabled());  // no text selected yet
        tab.objectClick(Etiquette::ObjectKind::Label, 1);
        QVERIFY(page->insertButton()->isEnabled());
        m_outils->contentField()->setCursorPosition(8);  // after "Monsieur"
        QTest::mouseClick(page->insertButton(), Qt::LeftButton);
        QCOMPARE(tab.label(1).Caption, QStringLiteral("Monsieur«Nom»"));
        m_outils->contentField()->setCursorPosition(8);
        m_outils->contentField()->insert(QStringLiteral(" "));
        page->fieldList()->setCurrentRow(0);
        Q_EMIT page->fieldList()->itemDoubleClicked(page->fieldList()->item(0));
        QCOMPARE(m_outils->contentField()->text(), QStringLiteral("Monsieur «Prénom»«Nom»"));
        QCOMPARE(tab.label(1).Caption, QStringLiteral("Monsieur «Prénom»«Nom»"));
    }

    void aLogoTakesItsPictureFromTheChosenColumn()
    {
        frmProjet* w = openWithToolBox();
        Etiquette& tab = w->surface(1);
        QComboBox* column = m_outils->logoFieldBox()->fieldBox();
        const auto shownColumn = [&] { return column->isEnabled() ? column->currentText() : QString(); };
        const auto canvas = [&] { return w->view(1)->canvas()->grab().toImage(); };
        QTest::mouseClick(m_outils->logoObjectButton(), Qt::LeftButton);  // a new logo, selected
        QVERIFY(!column->isEnabled());                                    // no data file yet
        QImage picture(40, 40, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(m_fx.dir.filePath("listes/rouge.png")));
        const QString csv = m_fx.dir.filePath("listes/photos.csv");
        test::writeBytes(csv, "Nom;Photo\r\nA;rouge.png\r\nB;absente.png\r\n");
        choose(csv);
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Enregistrer);
        QCOMPARE(column->count(), 3);
        QCOMPARE(shownColumn(), QStringLiteral("(aucune)"));
        const QImage own = canvas();

        QUndoStack& steps = w->history().stack();
        const int before = steps.count();
        column->setCurrentIndex(1);
        QTest::keyClick(column, Qt::Key_Down);  // "Photo", picked with the keyboard
        QCOMPARE(tab.logo(1).pictureField, QStringLiteral("Photo"));
        w->history().checkpoint();
        QCOMPARE(steps.count(), before + 1);
        QCOMPARE(steps.undoText(), QStringLiteral("la modification de l'objet"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Adresse*"));
        tab.objectClick(Etiquette::ObjectKind::Label, 1);  // a text has no column
        QCOMPARE(shownColumn(), QString());
        tab.objectClick(Etiquette::ObjectKind::Logo, 1);
        QCOMPARE(shownColumn(), QStringLiteral("Photo"));

        // The canvas shows the row's picture, and the logo's own where the row's is missing.
        w->showData(true);
        QVERIFY(canvas() != own);
        QTest::mouseClick(m_outils->dataPage()->rowButton(2), Qt::LeftButton);
        QCOMPARE(canvas(), own);

        w->history().undo();
        QCOMPARE(tab.logo(1).pictureField, QString());
        QCOMPARE(shownColumn(), QStringLiteral("(aucune)"));
        w->history().redo();
        QCOMPARE(shownColumn(), QStringLiteral("Photo"));
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Enregistrer);
        QVERIFY(test::readBytes(m_fx.dir.filePath("Adresse.plk"))
                    .endsWith("FUSION|listes/photos.csv|1\r\nFUSIONLOGO|1|Photo\r\n"));
    }

    void theToolbarShowsTheChosenRowsValues()
    {
        frmProjet* w = openWithToolBox();
        Etiquette& tab = w->surface(1);
        ucToolbar* bar = w->toolbar();
        QCOMPARE(bar->buttonWidget(frmProjet::kDataButton)->text(), QStringLiteral("Aperçu des données"));
        QVERIFY(!bar->ButtonEnabled(frmProjet::kFirstRowButton));

        // Without a data file: told where to choose one, and the toggle stays up.
        QTest::mouseClick(bar->buttonWidget(frmProjet::kDataButton), Qt::LeftButton);
        QVERIFY(m_fx.dialogs->shown.last().text.contains(QStringLiteral("aucun fichier de données")));
        QVERIFY(!w->dataShown());

        choose(m_csv);
        tab.Caption(1, QStringLiteral("«Prénom» «Nom», «Ville»"));
        const QRectF typed = tab.labelRect(1);
        const QImage markers = w->view(1)->canvas()->grab().toImage();
        QTest::mouseClick(bar->buttonWidget(frmProjet::kDataButton), Qt::LeftButton);
        QVERIFY(w->dataShown());
        QVERIFY(w->view(1)->canvas()->grab().toImage() != markers);  // the canvas paints the values
        QCOMPARE(tab.shownCaption(1), QStringLiteral("Amélie Bérard, Besançon"));
        QVERIFY(tab.labelRect(1).width() != typed.width());  // the canvas's hit area follows the text shown
        QCOMPARE(tab.label(1).Caption, QStringLiteral("«Prénom» «Nom», «Ville»"));  // the text itself is kept
        QTest::mouseClick(bar->buttonWidget(frmProjet::kFirstRowButton + 2), Qt::LeftButton);  // next
        QCOMPARE(tab.shownCaption(1), QStringLiteral("Benoît Lefèvre, Saint-Étienne"));
        QCOMPARE(m_outils->dataPage()->rowIndicator()->text(), QStringLiteral("Ligne 2 sur 50"));
        QTest::mouseClick(bar->buttonWidget(frmProjet::kFirstRowButton + 3), Qt::LeftButton);  // last
        QCOMPARE(tab.dataRow(), 49);
        QTest::mouseClick(bar->buttonWidget(frmProjet::kFirstRowButton), Qt::LeftButton);  // first
        QCOMPARE(tab.dataRow(), 0);

        // The data file taken away while its values show: the markers come back.
        QTest::mouseClick(m_outils->dataPage()->removeButton(), Qt::LeftButton);
        QVERIFY(!w->dataShown());
        QCOMPARE(tab.shownCaption(1), tab.label(1).Caption);
        choose(m_csv);
        QTest::mouseClick(bar->buttonWidget(frmProjet::kDataButton), Qt::LeftButton);
        QVERIFY(w->dataShown());

        // A second tab has no data file: switching to it lifts the toggle quietly.
        const qsizetype shown = m_fx.dialogs->shown.size();
        w->project().addTab(QStringLiteral("Deux"));
        w->selectTab(2);
        QVERIFY(!w->dataShown());
        QCOMPARE(m_fx.dialogs->shown.size(), shown);
        QCOMPARE(tab.shownCaption(1), tab.label(1).Caption);

        // The data file gone: the message names it and the markers show again.
        w->selectTab(1);
        QFile::remove(m_csv);
        QTest::mouseClick(bar->buttonWidget(frmProjet::kDataButton), Qt::LeftButton);
        QVERIFY(m_fx.dialogs->shown.last().text.contains(m_csv));
        QVERIFY(!w->dataShown());
    }
};

PLK_TEST_CLASS(TestCodeAndDataPages)
#include "tst_CodeAndDataPages.moc"
