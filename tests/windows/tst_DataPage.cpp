// Mail merge in the windows: the tool box's FUSION page (choosing the data file, its
// fields and rows, a field put into the selected text, the first label, the row), the
// LOGO page's column naming each label's picture, and the project toolbar's "Aperçu
// des données".

#include "WindowTests.h"
#include "merge/core/BuiltInMarkers.h"
#include "support/MergeFixtures.h"
#include "windows/ui/ContentField.h"
#include "windows/ui/DataPage.h"
#include "windows/ui/LogoFieldBox.h"
#include "windows/ui/MergeOptionsBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QSpinBox>
#include <QToolButton>
#include <QUndoStack>

using namespace plk;

namespace {

// A 70 x 37 label of 3 x 8 on a sheet with one text.
const QByteArray kLabel = "ONGLET|Adresse\r\n"
                          "PROJET|Adresse|70|37|16777215|8421504|Faux|Faux|Faux|Faux|Faux\r\n"
                          "LABEL|Monsieur|5|5|Tahoma|10|Faux|Faux|Faux|Faux|0\r\n"
                          "FOND|1|16777215\r\n"
                          "PRINT|0|0|0|3|1|0|0|0|0|3|8\r\n";

}  // namespace

class TestDataPage : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;
    frmOutils* m_outils = nullptr;
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
    }

    void cleanup() { m_fx.stop(); }

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

PLK_TEST_CLASS(TestDataPage)
#include "tst_DataPage.moc"
