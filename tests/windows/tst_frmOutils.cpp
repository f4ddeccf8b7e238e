// The tool box: what each control does to the tab it edits, what filling it from a
// tab leaves in the tab, and where it stands between two showings.

#include "WindowTests.h"
#include "widgets/ui/TabRows.h"
#include "windows/ui/ContentField.h"
#include "base/core/IniFile.h"
#include "base/core/Rounding.h"

#include <QGroupBox>
#include <QApplication>
#include <QMouseEvent>
#include <QScreen>

using namespace plk;

namespace {

// A pointer event on the canvas at a point given in millimetres, the left button held.
void sendPointer(CanvasWidget* canvas, QEvent::Type type, QPointF mm)
{
    const QPointF at = mm * test::kPxPerMm;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, canvas->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

}  // namespace

class TestFrmOutils : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;
    frmOutils* m_outils = nullptr;

    frmProjet* newProject(double width = 80, double height = 50) { return test::showNewProject(*m_fx.menu, width, height); }
    /// A project with the tool box open on it, as "Boite à outils" leaves it.
    Etiquette& openToolBox(double width = 80, double height = 50)
    {
        frmProjet* w = newProject(width, height);
        m_fx.menu->Mnu_ID_Edition_Click(Edition::BoiteOutils);
        return w->surface(1);
    }

private Q_SLOTS:

    void init()
    {
        QFile::remove(AppPaths(m_fx.dir.path()).settingsFile());
        m_fx.start();
        m_outils = &m_fx.startToolBox();
    }
    void cleanup() { m_fx.stop(); }

    void windowPagesAndCaptions()
    {
        QCOMPARE(m_outils->windowTitle(), QStringLiteral(" Boite à outils"));
        QVERIFY(m_outils->windowFlags().testFlag(Qt::Tool));
        QVERIFY(m_outils->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(test::tabTexts(m_outils->Tab1()), QStringList({"PROJET", "TEXTE", "LOGO", "FOND", "OPTIONS", "FUSION", "CODE", "FORMES"}));
        QCOMPARE(test::groupTitles(m_outils->page(1)),
                 QStringList({"Gestion des objets :", "Position d'un objet :", "Alignement d'un objet :"}));
        QCOMPARE(test::groupTitles(m_outils->page(4)),
                 QStringList({"Propriété du fond :", "Propriétés du dégradé :", "Mode d'affichage :"}));
        QCOMPARE(m_outils->logoObjectButton()->toolTip(), QStringLiteral("Ajouter un objet logo"));
        QCOMPARE(m_outils->defaultSizeButton()->toolTip(), QStringLiteral("Restaurer les dimensions du logo"));
        QCOMPARE(test::entries(m_outils->alignmentList()),
                 QStringList({"Aligner sur l'horizontal", "Aligner sur la verticale", "Milieu absolu",
                              "Justifié à gauche", "Justifié à droite"}));
        QCOMPARE(test::entries(m_outils->displayList()),
                 QStringList({"Affichage standard", "Afficher les limites du contour d'un CD",
                              "Afficher les limites d'une pochette CD"}));
        QCOMPARE(m_outils->styleBox(3)->text(), QStringLiteral("Barré"));
        QCOMPARE(m_outils->preferenceBox(2)->text(), QStringLiteral("Désactiver la bordure du projet"));
        QCOMPARE(m_outils->logoHeight().unit->text(), QStringLiteral("Millimètres"));
        QCOMPARE(m_outils->fieldX()->Text(), QStringLiteral("1"));
    }

    void firstRunStandsBesideTheProjectThenPlaceAndPageComeBack()
    {
        // Without a project: centred over the main window.
        m_fx.menu->setGeometry(10, 20, 600, 520);
        m_outils->showToolBox();
        const QRect main = m_fx.menu->frameGeometry();
        QCOMPARE(m_outils->pos(), QPoint(main.left() + main.width() / 2 - m_outils->width() / 2,
                                         main.top() + main.height() / 2 - m_outils->height() / 2));
        m_outils->hideToolBox();
        m_outils = &m_fx.startToolBox();

        // With one: beside the project window, clear of its canvas, on the screen.
        frmProjet* w = newProject();
        QWidget* sub = w->parentWidget();
        sub->setGeometry(0, 0, 300, 240);
        m_fx.menu->Mnu_ID_Edition_Click(Edition::BoiteOutils);
        QVERIFY(m_outils->isVisible());
        QVERIFY(m_fx.app.BoiteVisible);
        const QRect project(sub->mapToGlobal(QPoint(0, 0)), sub->size());
        QVERIFY(!m_outils->frameGeometry().intersects(project));
        QCOMPARE(m_outils->x(), project.right() + 1);
        QCOMPARE(m_outils->y(), project.top());
        QVERIFY(m_outils->screen()->availableGeometry().contains(m_outils->frameGeometry()));
        QCOMPARE(m_outils->selectedPage(), 1);

        m_outils->selectPage(4);
        m_outils->move(100, 120);
        m_outils->close();
        QVERIFY(!m_fx.app.BoiteVisible);
        const QString ini = m_fx.menu->paths().settingsFile();
        QCOMPARE(ReadIni(ini, "OUTILS", "Onglet"), QStringLiteral("4"));
        QCOMPARE(ReadIni(ini, "OUTILS", "Top"), QStringLiteral("1800"));
        QCOMPARE(ReadIni(ini, "OUTILS", "Left"), QStringLiteral("1500"));

        // The next run's tool box comes back there.
        m_outils = &m_fx.startToolBox();
        m_fx.menu->Mnu_ID_Edition_Click(Edition::BoiteOutils);
        QCOMPARE(m_outils->selectedPage(), 4);
        QCOMPARE(m_outils->pos(), QPoint(100, 120));
    }

    void pagesOneToFourNeedAProject()
    {
        m_outils->showToolBox();
        for (int p = 1; p <= 4; ++p)
            QVERIFY(!m_outils->page(p)->isEnabled());
        QVERIFY(m_outils->page(5)->isEnabled());
        openToolBox();
        for (int p = 1; p <= 5; ++p)
            QVERIFY(m_outils->page(p)->isEnabled());
    }

    void fillingShowsWholeMillimetresAndLeavesTheTabAlone()
    {
        frmProjet* w = newProject(85.5, 250);
        Etiquette& t = w->surface(1);
        t.NewLabel(12.3, 7.6);
        t.NewLogo();
        const QString before = t.RecupererObjet(1) + t.RecupererObjet(2) + t.RecupererObjet(3);
        m_fx.menu->Mnu_ID_Edition_Click(Edition::BoiteOutils);
        QCOMPARE(m_outils->tabWidthField()->Text(), QStringLiteral("86"));
        QCOMPARE(m_outils->tabHeightField()->Text(), QStringLiteral("250"));  // shown though out of range
        QCOMPARE(m_outils->tabHeightField()->Value(), 200);
        m_outils->proportionsBox()->setChecked(true);
        t.objectClick(Etiquette::ObjectKind::Label, 1);
        QCOMPARE(m_outils->fieldX()->Text(), QStringLiteral("8"));
        QCOMPARE(m_outils->fieldY()->Text(), QStringLiteral("12"));
        t.objectClick(Etiquette::ObjectKind::Logo, 1);
        t.backgroundClick();
        QCOMPARE(m_outils->fieldX()->Text(), QStringLiteral("1"));
        QCOMPARE(t.RecupererObjet(1) + t.RecupererObjet(2) + t.RecupererObjet(3), before);
        QVERIFY(!t.logo(1).Stretch);
        QCOMPARE(m_fx.menu->statusPanel(2)->text(), QStringLiteral("L : 85,5 Mm - H : 250 Mm"));
    }

    void typingAWidthResizesTheTabAtOnce()
    {
        Etiquette& t = openToolBox();
        test::typeInto(m_outils->tabWidthField(), QStringLiteral("120"));
        QCOMPARE(t.prjWidth(), 120.0);
        QCOMPARE(t.canvasImage().width(), qRound(120 * 56.7 / 15));
        QCOMPARE(m_fx.menu->statusPanel(2)->text(), QStringLiteral("L : 120 Mm - H : 50 Mm"));
        // Beyond the range the field shows what was typed; the tab keeps the last valid number.
        test::typeInto(m_outils->tabHeightField(), QStringLiteral("250"));
        QCOMPARE(t.prjHeight(), 25.0);
    }

    void alignmentMovesTheClickedObjectOnlyAndClearsItself()
    {
        Etiquette& t = openToolBox();
        t.NewLabel();
        t.backgroundClick();
        QCOMPARE(m_fx.app.ObjetActif, std::int16_t(0));
        test::clickEntry(m_outils->alignmentList(), 2);  // "Milieu absolu"
        QCOMPARE(m_outils->alignmentList()->currentRow(), -1);
        QVERIFY(m_outils->alignmentList()->selectedItems().isEmpty());
        QCOMPARE(t.label(1).Left, 5.0f);
        QCOMPARE(t.label(1).Top, 5.0f);

        // With one: it moves, and the fields show where it went.
        t.objectClick(Etiquette::ObjectKind::Label, 1);
        test::clickEntry(m_outils->alignmentList(), 3);  // "Justifié à gauche": 150 twips
        QCOMPARE(t.label(1).Left, float(150 / 56.7));
        QCOMPARE(m_outils->fieldX()->Text(), QStringLiteral("3"));
        // Another object, the same entry clicked again: it is aligned too.
        t.NewLabel();
        t.objectClick(Etiquette::ObjectKind::Label, 2);
        test::clickEntry(m_outils->alignmentList(), 3);
        QCOMPARE(t.label(2).Left, float(150 / 56.7));

        test::typeInto(m_outils->fieldY(), QStringLiteral("20"));
        QCOMPARE(t.label(2).Top, 20.0f);
        QCOMPARE(t.label(2).Left, 3.0f);  // the X field's text is written with it
    }

    void contentFieldWritesOnlyToASelectedTextObject()
    {
        Etiquette& t = openToolBox();
        t.NewLabel();
        t.NewLogo();
        t.objectClick(Etiquette::ObjectKind::Label, 1);
        QCOMPARE(m_outils->contentField()->text(), QStringLiteral("ZONE DE TEXTE"));
        test::typeInto(m_outils->contentField(), QStringLiteral("Dupont"));
        QCOMPARE(t.label(1).Caption, QStringLiteral("Dupont"));
        test::typeInto(m_outils->contentField(), QString());
        QCOMPARE(t.label(1).Caption, QStringLiteral("Dupont"));

        t.objectClick(Etiquette::ObjectKind::Logo, 1);
        QCOMPARE(m_outils->contentField()->text(), QString());
        test::typeInto(m_outils->contentField(), QStringLiteral("Durand"));
        QCOMPARE(t.label(1).Caption, QStringLiteral("Dupont"));
    }

    void fontColourAndStylesOfTheSelectedText()
    {
        PLK_REQUIRE_TAHOMA();
        Etiquette& t = openToolBox();
        t.NewLabel();
        t.objectClick(Etiquette::ObjectKind::Label, 1);
        test::typeInto(m_outils->contentField(), QString());
        QTest::mouseClick(m_outils->fontButton(), Qt::LeftButton);
        QVERIFY(m_fx.dialogs->shown.isEmpty());  // nothing to style without a text

        test::typeInto(m_outils->contentField(), QStringLiteral("Dupont"));
        m_outils->selectPage(2);
        QTest::mouseClick(m_outils->styleBox(2), Qt::LeftButton);  // "Souligné"
        QVERIFY(t.label(1).FontUnderline);
        QFont big(QStringLiteral("Tahoma"), 14);
        big.setBold(true);
        m_fx.dialogs->fonts.push_back(big);
        QTest::mouseClick(m_outils->fontButton(), Qt::LeftButton);
        QCOMPARE(m_fx.dialogs->fontStarts.at(0).family(), QStringLiteral("Tahoma"));
        QCOMPARE(m_fx.dialogs->fontStarts.at(0).pointSize(), 8);
        QCOMPARE(t.label(1).FontSize, 14.0f);
        QVERIFY(t.label(1).FontBold);
        QVERIFY(t.label(1).FontUnderline);  // kept from its box
        QVERIFY(m_outils->styleBox(0)->isChecked());

        m_fx.dialogs->colours.push_back(QColor(200, 0, 0));
        QTest::mouseClick(m_outils->colourButton(), Qt::LeftButton);
        QCOMPARE(t.label(1).ForeColor, rgbColor(200, 0, 0));
        m_fx.dialogs->colours.push_back(std::nullopt);
        QTest::mouseClick(m_outils->colourButton(), Qt::LeftButton);
        QCOMPARE(m_fx.dialogs->colourStarts.last(), QColor(200, 0, 0));
        QCOMPARE(t.label(1).ForeColor, rgbColor(200, 0, 0));
    }

    void keptProportionsMakeTheLogoSquare()
    {
        Etiquette& t = openToolBox();
        t.NewLogo();
        t.objectClick(Etiquette::ObjectKind::Logo, 1);
        m_outils->selectPage(3);
        QTest::mouseClick(m_outils->proportionsBox(), Qt::LeftButton);
        QVERIFY(!m_outils->logoHeight().box->isEnabled());
        QVERIFY(!m_outils->logoHeight().caption->isEnabled());
        QVERIFY(!m_outils->logoHeight().unit->isEnabled());
        test::typeInto(m_outils->logoWidthField(), QStringLiteral("30"));
        QCOMPARE(m_outils->logoHeight().box->Text(), QStringLiteral("30"));
        QCOMPARE(t.logoRect(1).size(), QSizeF(30, 30));

        QTest::mouseClick(m_outils->defaultSizeButton(), Qt::LeftButton);
        QVERIFY(!m_outils->proportionsBox()->isChecked());
        QVERIFY(m_outils->logoHeight().box->isEnabled());
        QVERIFY(!t.logo(1).Stretch);
        QCOMPARE(m_outils->logoWidthField()->Text(), QString::number(qRound(t.logoRect(1).width())));
    }

    void importALogoPicture()
    {
        Etiquette& t = openToolBox();
        t.NewLogo();
        t.objectClick(Etiquette::ObjectKind::Logo, 1);
        test::typeInto(m_outils->logoWidthField(), QStringLiteral("40"));
        QImage picture(120, 60, QImage::Format_RGB32);
        picture.fill(Qt::green);
        const QString file = m_fx.dir.filePath("logo.png");
        QVERIFY(picture.save(file));

        QTest::mouseClick(m_outils->importButton(), Qt::LeftButton);  // cancelled
        QVERIFY(t.logo(1).Stretch);  // untouched by Annuler
        QCOMPARE(t.logoRect(1).width(), 40.0);

        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{file, 0});
        QTest::mouseClick(m_outils->importButton(), Qt::LeftButton);
        QCOMPARE(t.logo(1).Tag, file);
        QCOMPARE(m_outils->logoWidthField()->Text(), QStringLiteral("32"));  // 120 px of 15 twips
        QCOMPARE(m_outils->logoHeight().box->Text(), QStringLiteral("16"));
        QTest::mouseClick(m_outils->importButton(), Qt::LeftButton);
        QCOMPARE(m_fx.dialogs->shown.last().request.directory, file);

        const QString broken = m_fx.dir.filePath("broken.png");
        test::writeBytes(broken, "not a picture");
        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{broken, 0});
        QTest::mouseClick(m_outils->importButton(), Qt::LeftButton);
        QCOMPARE(t.logo(1).Tag, file);
        QVERIFY(m_fx.dialogs->shown.last().text.contains("broken.png"));
    }

    void backgroundListEnablesItsControls()
    {
        Etiquette& t = openToolBox();
        QListWidget* list = m_outils->backgroundList();
        QCOMPARE(list->currentRow(), 1);  // the wizard's plain colour
        list->setCurrentRow(0);
        QCOMPARE(t.TypeFond(), std::int16_t(0));
        QVERIFY(!m_outils->backgroundButton()->isEnabled());
        QVERIFY(!m_outils->gradientGroup()->isEnabled());
        list->setCurrentRow(2);
        QCOMPARE(m_outils->backgroundButton()->toolTip(), QStringLiteral("Sélection d'une image"));
        QCOMPARE(m_outils->backgroundButton()->text(), QStringLiteral("Image en arrière plan"));
        QCOMPARE(t.TypeFond(), std::int16_t(0));  // no picture yet: the default background
        list->setCurrentRow(3);
        QVERIFY(m_outils->gradientGroup()->isEnabled());
        QVERIFY(!m_outils->backgroundButton()->isEnabled());

        list->setCurrentRow(1);
        QCOMPARE(m_outils->backgroundButton()->toolTip(), QStringLiteral("Sélection d'une couleur"));
        m_fx.dialogs->colours.push_back(QColor(0, 0, 255));
        QTest::mouseClick(m_outils->backgroundButton(), Qt::LeftButton);
        QCOMPARE(t.RecupererObjet(4), QStringLiteral("FOND|1|%1").arg(rgbColor(0, 0, 255)));

        // "Bordure du projet" paints nothing; its button then edits the border colour.
        const QImage painted = t.canvasImage();
        list->setCurrentRow(4);
        QCOMPARE(t.canvasImage(), painted);
        QVERIFY(m_outils->backgroundButton()->isEnabled());
        m_fx.dialogs->colours.push_back(QColor(255, 0, 0));
        QTest::mouseClick(m_outils->backgroundButton(), Qt::LeftButton);
        QCOMPARE(t.BorderColor(), rgbColor(255, 0, 0));
        QCOMPARE(t.canvasImage().pixelColor(0, t.canvasImage().height() / 2), QColor(255, 0, 0));
        QCOMPARE(t.RecupererObjet(4), QStringLiteral("FOND|1|%1").arg(rgbColor(0, 0, 255)));
    }

    void backgroundPicture()
    {
        Etiquette& t = openToolBox();
        m_outils->backgroundList()->setCurrentRow(2);
        QTest::mouseClick(m_outils->backgroundButton(), Qt::LeftButton);  // cancelled
        QCOMPARE(m_fx.dialogs->shown.last().request.title, QStringLiteral("Arrière plan"));
        QCOMPARE(m_fx.dialogs->shown.last().request.directory, m_fx.dir.filePath("Images"));
        QVERIFY(QDir().mkpath(m_fx.dir.filePath("Images/Images de fond")));
        QTest::mouseClick(m_outils->backgroundButton(), Qt::LeftButton);  // cancelled
        QCOMPARE(m_fx.dialogs->shown.last().request.directory, m_fx.dir.filePath("Images/Images de fond"));
        QImage picture(10, 10, QImage::Format_RGB32);
        picture.fill(Qt::yellow);
        // A path the project file could not hold is refused with its reason.
        const QString unstorable = m_fx.dir.filePath("fo|nd.png");
        QVERIFY(picture.save(unstorable));
        const QString before = t.RecupererObjet(4);
        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{unstorable, 0});
        QTest::mouseClick(m_outils->backgroundButton(), Qt::LeftButton);
        QCOMPARE(m_fx.dialogs->shown.last().text,
                 QStringLiteral("Le chemin « %1 » ne peut pas être enregistré dans le projet : renommez le fichier "
                                "ou son dossier sans « | ».")
                     .arg(unstorable));
        QCOMPARE(t.RecupererObjet(4), before);
        const QString file = m_fx.dir.filePath("fond.png");
        QVERIFY(picture.save(file));
        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{file, 0});
        QTest::mouseClick(m_outils->backgroundButton(), Qt::LeftButton);
        QCOMPARE(t.RecupererObjet(4), QStringLiteral("FOND|2|") + file);
        QCOMPARE(t.canvasImage().pixelColor(20, 20), QColor(Qt::yellow));
    }

    void gradientEditorPaintsTheTab()
    {
        Etiquette& t = openToolBox();
        m_outils->backgroundList()->setCurrentRow(3);
        ucDegrade* editor = m_outils->Degrade();
        m_fx.dialogs->colours = {QColor(255, 0, 0), std::nullopt};
        QTest::mouseClick(editor->pctColor(1), Qt::LeftButton);
        QCOMPARE(t.TypeFond(), std::int16_t(1));  // no direction yet: nothing painted
        QTest::mouseClick(editor->Option1(6), Qt::LeftButton);
        QCOMPARE(t.RecupererObjet(4), QStringLiteral("FOND|3|6|%1|0|0").arg(rgbColor(255, 0, 0)));
        QTest::mouseClick(editor->pctColor(3), Qt::LeftButton);  // cancelled
        QCOMPARE(m_fx.dialogs->colourStarts.last(), QColor(0, 0, 0));
        QCOMPARE(t.RecupererObjet(4), QStringLiteral("FOND|3|6|%1|0|0").arg(rgbColor(255, 0, 0)));
    }

    void displayListAndTabPreferences()
    {
        Etiquette& t = openToolBox();
        m_outils->displayList()->setCurrentRow(1);
        QVERIFY(t.CD_Disque());
        m_outils->displayList()->setCurrentRow(2);
        QVERIFY(t.CD_Pochette());
        QVERIFY(!t.CD_Disque());  // the CD outline goes off
        m_outils->selectPage(5);
        QTest::mouseClick(m_outils->preferenceBox(0), Qt::LeftButton);
        QTest::mouseClick(m_outils->preferenceBox(1), Qt::LeftButton);
        QTest::mouseClick(m_outils->preferenceBox(2), Qt::LeftButton);
        QCOMPARE(t.RecupererObjet(1), QStringLiteral("PROJET|Carte|80|50|-2147483643|-2147483642|Vrai|Vrai|Faux|Faux|Vrai"));
        QCOMPARE(t.canvasImage().pixelColor(0, 40), toQColor(kColorWindowBackground));  // no border drawn
        QTest::mouseClick(m_outils->preferenceBox(1), Qt::LeftButton);
        QVERIFY(!t.DepRegle());
    }

    void fieldsFollowChangesMadeElsewhere()
    {
        Etiquette& t = openToolBox();
        frmProjet* w = m_fx.menu->activeProject();
        t.NewLabel(10, 20);
        const QString record = t.RecupererObjet(2);

        // A drag on the canvas shows in the position fields before the button is released.
        CanvasWidget* canvas = w->view(1)->canvas();
        sendPointer(canvas, QEvent::MouseButtonPress, {21, 11});
        QCOMPARE(m_outils->fieldX()->Text(), QStringLiteral("20"));
        sendPointer(canvas, QEvent::MouseMove, {31, 16});
        QCOMPARE(t.label(1).Left, 30.0f);
        QCOMPARE(m_outils->fieldX()->Text(), QStringLiteral("30"));
        QCOMPARE(m_outils->fieldY()->Text(), QStringLiteral("15"));
        sendPointer(canvas, QEvent::MouseButtonRelease, {31, 16});
        QCOMPARE(t.RecupererObjet(2), QString(record).replace(QStringLiteral("|10|20|"), QStringLiteral("|15|30|")));

        // The edit dialogs of a double click: the text and styles show at once.
        m_fx.dialogs->inputs.push_back(QStringLiteral("Dupont"));
        QFont font(QStringLiteral("Tahoma"), 10);
        font.setBold(true);
        font.setUnderline(true);
        m_fx.dialogs->fonts.push_back(font);
        t.objectDoubleClick(Etiquette::ObjectKind::Label, 1);
        QCOMPARE(m_outils->contentField()->text(), QStringLiteral("Dupont"));
        QVERIFY(m_outils->styleBox(0)->isChecked());
        QVERIFY(!m_outils->styleBox(1)->isChecked());
        QVERIFY(m_outils->styleBox(2)->isChecked());

        // The tab's own settings, changed by anything but the tool box: the fields, the
        // status bar and the view follow, and nothing is written back.
        t.setPrjWidth(120.4);
        QCOMPARE(m_outils->tabWidthField()->Text(), QStringLiteral("120"));
        QCOMPARE(t.prjWidth(), 120.4);
        QCOMPARE(m_fx.menu->statusPanel(2)->text(), QStringLiteral("L : 120,4 Mm - H : 50 Mm"));
        QCOMPARE(canvas->width(), t.canvasImage().width());
        t.setCadenas(true);
        QVERIFY(m_outils->preferenceBox(0)->isChecked());
        t.setBordure(false);
        QVERIFY(m_outils->preferenceBox(2)->isChecked());
        t.pctDegrade(5, rgbColor(10, 20, 30), rgbColor(40, 50, 60), rgbColor(70, 80, 90));
        QCOMPARE(m_outils->backgroundList()->currentRow(), 3);
        QVERIFY(m_outils->gradientGroup()->isEnabled());
        QCOMPARE(m_outils->Degrade()->Direction, 5);
        QCOMPARE(m_outils->Degrade()->Color3, rgbColor(70, 80, 90));
        QCOMPARE(t.RecupererObjet(4), QStringLiteral("FOND|3|5|%1|%2|%3")
                                          .arg(rgbColor(10, 20, 30))
                                          .arg(rgbColor(40, 50, 60))
                                          .arg(rgbColor(70, 80, 90)));

        // Another project window takes the tool box; the first one's changes stay out of it.
        Etiquette& other = newProject(60, 40)->surface(1);
        QCOMPARE(m_outils->tabWidthField()->Text(), QStringLiteral("60"));
        t.setPrjWidth(150);
        QCOMPARE(m_outils->tabWidthField()->Text(), QStringLiteral("60"));
        QCOMPARE(m_fx.menu->statusPanel(2)->text(), QStringLiteral("L : 60 Mm - H : 40 Mm"));
        other.setPrjHeight(45);
        QCOMPARE(m_outils->tabHeightField()->Text(), QStringLiteral("45"));
        QCOMPARE(m_fx.menu->statusPanel(2)->text(), QStringLiteral("L : 60 Mm - H : 45 Mm"));
    }

    void toolBoxEditsTheTabOnScreen()
    {
        Etiquette& recto = openToolBox();
        frmProjet* w = m_fx.menu->activeProject();
        recto.pctDegrade(1, rgbColor(255, 0, 0), rgbColor(0, 255, 0), rgbColor(0, 0, 255));
        QCOMPARE(m_outils->Degrade()->Direction, 1);
        // A tab added and brought forward by a command, as the wizard does; filling the
        // tool box from it shows its own gradient and leaves its records alone.
        Etiquette& verso = w->project().addTab(QStringLiteral("Verso"));
        verso.NewProjet(QStringLiteral("Verso"), 40, 30, kColorWindowBackground, kColorWindowFrame, false, false, false);
        verso.pctDegrade(5, rgbColor(10, 20, 30), rgbColor(40, 50, 60), rgbColor(70, 80, 90));
        const QString gradient = verso.RecupererObjet(4);
        w->selectTab(2);
        QCOMPARE(verso.RecupererObjet(4), gradient);
        QCOMPARE(m_outils->Degrade()->Direction, 5);
        QCOMPARE(m_outils->Degrade()->Color2, rgbColor(40, 50, 60));
        QVERIFY(m_outils->Degrade()->Option1(5)->isChecked());
        QVERIFY(m_outils->preferenceBox(2)->isChecked());
        QCOMPARE(m_outils->OngletOutils, std::int16_t(2));
        QCOMPARE(m_outils->tabWidthField()->Text(), QStringLiteral("40"));
        QTest::mouseClick(m_outils->textObjectButton(), Qt::LeftButton);
        QCOMPARE(verso.IDlabel(), std::int16_t(1));
        QCOMPARE(recto.IDlabel(), std::int16_t(0));

        // Typing in the tool box goes to the tab shown, and what is shown is that tab's.
        verso.objectClick(Etiquette::ObjectKind::Label, 1);
        test::typeInto(m_outils->contentField(), QStringLiteral("Au dos"));
        QCOMPARE(verso.label(1).Caption, QStringLiteral("Au dos"));
        w->selectTab(1);
        QCOMPARE(m_outils->tabWidthField()->Text(), QStringLiteral("80"));
        test::typeInto(m_outils->tabWidthField(), QStringLiteral("90"));
        QCOMPARE(recto.prjWidth(), 90.0);
        QCOMPARE(verso.prjWidth(), 40.0);

        // A picture given to a logo by its double click shows its size at once.
        recto.NewLogo();
        recto.objectClick(Etiquette::ObjectKind::Logo, 1);
        QImage picture(113, 57, QImage::Format_RGB32);  // 30 x 15 mm at 96 dpi
        picture.fill(Qt::green);
        const QString file = m_fx.dir.filePath("logo.png");
        QVERIFY(picture.save(file));
        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{file, 0});
        recto.objectDoubleClick(Etiquette::ObjectKind::Logo, 1);
        QCOMPARE(m_outils->logoWidthField()->Text(), QString::number(int(roundHalfEven(recto.logo(1).Width))));
        QCOMPARE(m_outils->logoHeight().box->Text(), QString::number(int(roundHalfEven(recto.logo(1).Height))));
        QVERIFY(m_outils->logoWidthField()->Text() != QStringLiteral("1"));
    }

    void objectButtonsAndTheActiveWindowWhileTheToolBoxHasTheFocus()
    {
        Etiquette& t = openToolBox();
        m_outils->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_outils));
        QVERIFY(m_fx.menu->activeProject());
        QTest::mouseClick(m_outils->textObjectButton(), Qt::LeftButton);
        QTest::mouseClick(m_outils->logoObjectButton(), Qt::LeftButton);
        QTest::mouseClick(m_outils->logoObjectButton(), Qt::LeftButton);
        QCOMPARE(t.IDlabel(), std::int16_t(1));
        QCOMPARE(t.IDlogo(), std::int16_t(2));
        QVERIFY(t.label(1).Visible);
        QCOMPARE(t.logo(2).Left, 5.0f);
    }
};

PLK_TEST_CLASS(TestFrmOutils)
#include "tst_frmOutils.moc"
