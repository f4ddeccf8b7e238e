// The main window: its menus, toolbar and status bar, the commands on project windows,
// templates and preferences.

#include "MainWindowTests.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/frmOptions.h"
#include "settings/core/AppPaths.h"

#include <QCheckBox>
#include <QLayout>
#include <QScrollArea>
#include <QTextBrowser>

#include <stdexcept>

using namespace plk;
using Answer = Dialogs::Answer;

const QString kGuard = QStringLiteral("Vous devez créer ou ouvrir un projet pour pouvoir utiliser cette fonction.");

namespace {

const QString kCloseQuestion = QStringLiteral("Souhaitez-vous enregistrer les modifications de ce projet ?");

QByteArray twoTabs()
{
    return test::kExampleProject + "ONGLET|Verso\r\nPROJET|Verso|40|30|0|0|Faux|Faux|Faux\r\n";
}

}  // namespace

class TestFrmMenu : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;

    QStringList closeQuestionTitles() const
    {
        QStringList titles;
        for (const auto& shown : m_fx.dialogs->shown)
            if (shown.text == kCloseQuestion)
                titles << shown.title;
        return titles;
    }

    static QStringList captions(const TemplateMenu& templates)
    {
        QStringList texts;
        for (const QAction* entry : templates.entries())
            texts << entry->text();
        return texts;
    }

private Q_SLOTS:
    void init()
    {
        QDir(m_fx.dir.path()).removeRecursively();
        AppPaths(m_fx.dir.path()).createFolders();  // as start-up makes them
        m_fx.start();
    }
    void cleanup() { m_fx.stop(); }

    // The main window's file, project and window commands: closing, the
    // guard without a project, tab rules, a failed save, the window list and the canvas mouse.
    void closeQuestionAnswers()
    {
        frmProjet* w = m_fx.open();
        QPointer<QMdiSubWindow> sub = m_fx.menu->workspace()->activeSubWindow();
        m_fx.dialogs->answers.push_back(Answer::Cancel);
        QVERIFY(!sub->close());
        const auto& q = m_fx.dialogs->shown.last();
        QCOMPARE(q.text, QStringLiteral("Souhaitez-vous enregistrer les modifications de ce projet ?"));
        QCOMPARE(q.title, QStringLiteral("Enregistrez - [Exemple] ?"));
        QCOMPARE(q.buttons, Dialogs::Buttons::YesNoCancel);

        // Oui on a project with a file: saved, then closed.
        QFile::remove(w->filePath());
        const QString path = w->filePath();
        m_fx.dialogs->answers.push_back(Answer::Yes);
        QVERIFY(sub->close());
        QCOMPARE(test::readBytes(path), test::kExampleProject);
        QCOMPARE(m_fx.menu->statusPanel(2)->text(), QStringLiteral("L : 00 Mm - H : 00 Mm"));

        // Oui on a never-saved project, save dialog cancelled: the window stays.
        frmProjet* fresh = m_fx.menu->createProjectWindow(QStringLiteral("Neuf"));
        m_fx.menu->showProjectWindow(fresh);
        m_fx.dialogs->answers.push_back(Answer::Yes);
        QVERIFY(!m_fx.menu->workspace()->activeSubWindow()->close());
        QCOMPARE(m_fx.menu->projectWindows().size(), 1);
        m_fx.dialogs->answers.push_back(Answer::No);
        QVERIFY(m_fx.menu->workspace()->activeSubWindow()->close());
    }

    void guardMessages()
    {
        const auto guarded = [this](const std::function<void()>& command) {
            m_fx.dialogs->shown.clear();
            command();
            QCOMPARE(m_fx.dialogs->shown.size(), 1);
            QCOMPARE(m_fx.dialogs->shown.at(0).text, kGuard);
            QCOMPARE(m_fx.dialogs->shown.at(0).icon, Dialogs::Icon::Exclamation);
        };
        for (Fichier c : {Fichier::Apercu, Fichier::Imprimer})
            guarded([&] { m_fx.menu->Mnu_ID_Fichier_Click(c); });
        for (Edition c : {Edition::AjouterTexte, Edition::AjouterLogo, Edition::SupprimerObjet, Edition::Copier,
                          Edition::Coller, Edition::Exporter, Edition::BoiteOutils})
            guarded([&] { m_fx.menu->Mnu_ID_Edition_Click(c); });
        for (Projet c : {Projet::AjouterOnglet, Projet::RenommerOnglet, Projet::SupprimerOnglet})
            guarded([&] { m_fx.menu->Mnu_ID_Projet_Click(c); });
        m_fx.dialogs->shown.clear();
        for (Fichier c :
             {Fichier::Enregistrer, Fichier::EnregistrerSous, Fichier::EnregistrerGabarit, Fichier::Cloturer})
            m_fx.menu->Mnu_ID_Fichier_Click(c);
        QVERIFY(m_fx.dialogs->shown.isEmpty());
    }

    void tabRenameAndDeleteRules()
    {
        const QByteArray three = test::kExampleProject + "ONGLET|Deux\r\nPROJET|Deux|40|30|0|0|Faux|Faux|Faux\r\n"
                                            "ONGLET|Trois\r\nPROJET|Trois|60|30|0|0|Faux|Faux|Faux\r\n";
        frmProjet* w = m_fx.open(three);
        QCOMPARE(w->tabCount(), 3);
        w->selectTab(1);
        QVERIFY(!m_fx.menu->projectAction(Projet::SupprimerOnglet)->isEnabled());
        w->selectTab(2);
        QVERIFY(m_fx.menu->projectAction(Projet::SupprimerOnglet)->isEnabled());
        QCOMPARE(m_fx.menu->statusPanel(2)->text(), QStringLiteral("L : 40 Mm - H : 30 Mm"));
        m_fx.menu->Mnu_ID_Projet_Click(Projet::SupprimerOnglet);
        QCOMPARE(m_fx.dialogs->shown.last().text, QStringLiteral("Vous ne pouvez supprimer que le dernier onglet de chaque projet."));
        QCOMPARE(w->tabCount(), 3);

        m_fx.dialogs->inputs.push_back(QString());
        m_fx.menu->Mnu_ID_Projet_Click(Projet::RenommerOnglet);
        QCOMPARE(w->tabStrip()->tabText(1), QStringLiteral("Deux"));
        m_fx.dialogs->inputs.push_back(QStringLiteral("Ver|so"));
        m_fx.menu->Mnu_ID_Projet_Click(Projet::RenommerOnglet);
        QCOMPARE(m_fx.dialogs->shown.last().text, QStringLiteral("Renommer l'onglet courant."));
        QCOMPARE(w->tabStrip()->tabText(1), QStringLiteral("Verso"));
        QCOMPARE(w->surface(2).NameProjet(), QStringLiteral("Verso"));
        QCOMPARE(w->caption(), QStringLiteral("Exemple"));

        w->selectTab(3);
        m_fx.dialogs->answers.push_back(Answer::No);
        m_fx.menu->Mnu_ID_Projet_Click(Projet::SupprimerOnglet);
        QCOMPARE(w->tabCount(), 3);
        m_fx.dialogs->answers.push_back(Answer::Yes);
        m_fx.menu->Mnu_ID_Projet_Click(Projet::SupprimerOnglet);
        QCOMPARE(w->tabCount(), 2);
        QCOMPARE(w->selectedTab(), 2);
        QVERIFY(m_fx.menu->projectAction(Projet::SupprimerOnglet)->isEnabled());
    }

    void failedSaveIsReported()
    {
        frmProjet* w = m_fx.open();
        w->setFilePath(m_fx.dir.filePath("absent/Carte.plk"));
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Enregistrer);
        QVERIFY(m_fx.dialogs->shown.last().text.startsWith("Erreur lors de l'enregistrement du projet."));
    }

    void windowListAndCanvasMouse()
    {
        m_fx.open();
        m_fx.open(test::kExampleProject, 0, "Second.plk");
        m_fx.menu->windowMenu()->aboutToShow();
        const QList<QAction*> actions = m_fx.menu->windowMenu()->actions();
        QVERIFY(actions.last()->text().contains("Second"));
        QVERIFY(actions.last()->isChecked());

        frmProjet* w = m_fx.menu->activeProject();
        CanvasWidget* canvas = w->view(1)->canvas();
        QTest::mouseMove(canvas, QPoint(50, 2));
        QCOMPARE(m_fx.menu->statusPanel(3)->text(), QStringLiteral("X : 14 Mm - Y : 1 Mm"));
        const QRectF r = w->surface(1).labelRect(1);
        const QPoint onLabel(int((r.left() + 1) * 56.7 / 15), int((r.top() + 1) * 56.7 / 15));
        QTest::mouseClick(canvas, Qt::LeftButton, {}, onLabel);
        QCOMPARE(w->surface(1).LabelFocus(), std::int16_t(1));
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(300, 190));
        QCOMPARE(w->surface(1).LabelFocus(), std::int16_t(-1));
    }

    // What a user's hand meets around the project windows: names saved with their
    // extension, the buttons Return presses, "Fermer les fenêtres" over several windows,
    // menu states that follow the window on screen, and clicks that fail quietly.
    void startUpMakesTheThreeFolders()
    {
        for (const char* folder : {"Gabarits", "Projets", "Images"})
            QVERIFY2(QFileInfo(m_fx.dir.filePath(QString::fromLatin1(folder))).isDir(), folder);
    }

    void openSaveAsAndSaveAgainWithTheExtension()
    {
        frmProjet* w = m_fx.open();
        QCOMPARE(m_fx.dialogs->shown.at(0).request.title, QStringLiteral("Ouvrir un projet"));
        QCOMPARE(m_fx.dialogs->shown.at(0).request.directory, m_fx.dir.filePath("Projets"));
        QCOMPARE(w->tabStrip()->tabText(0), QStringLiteral("Carte"));
        QCOMPARE(m_fx.menu->statusPanel(2)->text(), QStringLiteral("L : 85,5 Mm - H : 54 Mm"));
        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{m_fx.dir.filePath("Projets/Carte Hélène"), 0});
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::EnregistrerSous);
        QCOMPARE(m_fx.dialogs->shown.last().request.title, QStringLiteral("Enregistrer le projet sous..."));
        QCOMPARE(m_fx.dialogs->shown.last().request.defaultSuffix, QStringLiteral("plk"));
        const QString saved = m_fx.dir.filePath("Projets/Carte Hélène.plk");
        QCOMPARE(test::readBytes(saved), test::kExampleProject);
        QVERIFY(!QFile::exists(m_fx.dir.filePath("Projets/Carte Hélène")));
        QCOMPARE(w->caption(), QStringLiteral("Carte Hélène"));
        QCOMPARE(w->filePath(), saved);
        // "Enregistrer" then writes there again without a dialog.
        QFile::remove(saved);
        const qsizetype shown = m_fx.dialogs->shown.size();
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Enregistrer);
        QCOMPARE(m_fx.dialogs->shown.size(), shown);
        QCOMPARE(test::readBytes(saved), test::kExampleProject);

        // The next dialog proposes the name with its extension; a name that has it
        // already, in any case, keeps it as it is.
        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{m_fx.dir.filePath("Projets/Verso.PLK"), 0});
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::EnregistrerSous);
        QCOMPARE(m_fx.dialogs->shown.last().request.fileName, QStringLiteral("Carte Hélène.plk"));
        QVERIFY(QFile::exists(m_fx.dir.filePath("Projets/Verso.PLK")));
        QCOMPARE(w->caption(), QStringLiteral("Verso"));

        // "Ouvrir" lists the saved file.
        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{saved, 0});
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Ouvrir);
        QCOMPARE(m_fx.menu->activeProject()->caption(), QStringLiteral("Carte Hélène"));
    }

    void returnPressesTheButtonsOfTheQuestions()
    {
        frmProjet* w = m_fx.open(twoTabs());
        w->selectTab(2);
        m_fx.dialogs->answers.push_back(Answer::No);
        m_fx.menu->Mnu_ID_Projet_Click(Projet::SupprimerOnglet);
        const auto& remove = m_fx.dialogs->shown.last();
        QCOMPARE(remove.text, QStringLiteral("Souhaitez-vous vraiment supprimer cet onglet du projet ?"));
        QCOMPARE(remove.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(remove.defaultButton, Answer::No);
        QCOMPARE(w->tabCount(), 2);

        m_fx.dialogs->answers.push_back(Answer::Cancel);
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Cloturer);
        QCOMPARE(m_fx.dialogs->shown.last().text, kCloseQuestion);
        QCOMPARE(m_fx.dialogs->shown.last().defaultButton, Answer::Yes);
    }

    void deleteTabFollowsTheWindowOnScreen()
    {
        frmProjet* two = m_fx.open(twoTabs(), 0, QStringLiteral("Deux.plk"));
        two->selectTab(2);
        QVERIFY(m_fx.menu->projectAction(Projet::SupprimerOnglet)->isEnabled());
        frmProjet* one = m_fx.open(test::kExampleProject, 0, QStringLiteral("Un.plk"));
        QCOMPARE(m_fx.menu->activeProject(), one);
        QVERIFY(!m_fx.menu->projectAction(Projet::SupprimerOnglet)->isEnabled());

        auto* sub = qobject_cast<QMdiSubWindow*>(two->parentWidget());
        m_fx.menu->workspace()->setActiveSubWindow(sub);
        QCOMPARE(m_fx.menu->activeProject(), two);
        QVERIFY(m_fx.menu->projectAction(Projet::SupprimerOnglet)->isEnabled());

        m_fx.closeProjects();
        QVERIFY(m_fx.menu->projectWindows().isEmpty());
        QVERIFY(!m_fx.menu->projectAction(Projet::SupprimerOnglet)->isEnabled());
    }

    void closeWindowsAsksEveryWindowUntilAnnuler()
    {
        for (const char* name : {"Un.plk", "Deux.plk", "Trois.plk"})
            m_fx.open(test::kExampleProject, 0, QString::fromLatin1(name));
        QCOMPARE(m_fx.menu->activeProject()->caption(), QStringLiteral("Trois"));

        // Non closes the window on screen, Annuler keeps the next one and ends the command.
        m_fx.dialogs->shown.clear();
        m_fx.dialogs->answers = {Answer::No, Answer::Cancel};
        m_fx.menu->Mnu_ID_Fenetre_Click(Fenetre::FermerFenetres);
        QCOMPARE(closeQuestionTitles(),
                 (QStringList{QStringLiteral("Enregistrez - [Trois] ?"), QStringLiteral("Enregistrez - [Deux] ?")}));
        QCOMPARE(m_fx.menu->projectWindows().size(), 2);
        QVERIFY(m_fx.dialogs->answers.empty());

        // Again: every window asks once, and all go.
        m_fx.dialogs->shown.clear();
        m_fx.dialogs->answers = {Answer::No, Answer::No};
        m_fx.menu->Mnu_ID_Fenetre_Click(Fenetre::FermerFenetres);
        QCOMPARE(closeQuestionTitles().size(), 2);
        QVERIFY(m_fx.menu->projectWindows().isEmpty());
        QCOMPARE(m_fx.menu->statusPanel(2)->text(), QStringLiteral("L : 00 Mm - H : 00 Mm"));

        // With no window it does nothing.
        m_fx.dialogs->shown.clear();
        m_fx.menu->Mnu_ID_Fenetre_Click(Fenetre::FermerFenetres);
        QVERIFY(m_fx.dialogs->shown.isEmpty());
    }

    void doubleClickEditOffersTheColour()
    {
        frmProjet* w = m_fx.open();
        Etiquette& t = w->surface(1);
        const OleColor systemText = t.label(1).ForeColor;
        // The font dialog cancelled: the text typed before it is not taken either.
        m_fx.dialogs->inputs.push_back(QStringLiteral("Nouveau"));
        t.objectDoubleClick(Etiquette::ObjectKind::Label, 1);
        QCOMPARE(t.label(1).Caption, QStringLiteral("ZONE DE TEXTE"));

        // Confirmed with the colour it started at: the system colour stays symbolic.
        m_fx.dialogs->inputs.push_back(QStringLiteral("Même couleur"));
        m_fx.dialogs->fonts.push_back(QFont(QStringLiteral("Tahoma"), 8));
        t.objectDoubleClick(Etiquette::ObjectKind::Label, 1);
        QCOMPARE(m_fx.dialogs->fontColourStarts.last(), toQColor(systemText));
        QCOMPARE(t.label(1).Caption, QStringLiteral("Même couleur"));
        QCOMPARE(t.label(1).ForeColor, systemText);

        QFont italic(QStringLiteral("Tahoma"), 10);
        italic.setItalic(true);
        italic.setUnderline(true);
        m_fx.dialogs->inputs.push_back(QStringLiteral("Rouge"));
        m_fx.dialogs->fonts.push_back(italic);
        m_fx.dialogs->fontColours.push_back(QColor(200, 0, 0));
        t.objectDoubleClick(Etiquette::ObjectKind::Label, 1);
        QCOMPARE(t.label(1).ForeColor, rgbColor(200, 0, 0));
        QVERIFY(t.label(1).FontItalic);
        QVERIFY(t.label(1).FontUnderline);
        QCOMPARE(t.label(1).FontSize, 10.0f);

        t.NewLogo();  // a logo's double click asks for its picture
        t.objectDoubleClick(Etiquette::ObjectKind::Logo, 1);
        QCOMPARE(m_fx.dialogs->shown.last().request.title, QStringLiteral("Importer un logo"));
        QCOMPARE(m_fx.dialogs->shown.last().request.directory, m_fx.dir.filePath("Images"));
    }

    void toolbarAndTaskPaneClicksFailQuietly()
    {
        frmProjet* w = m_fx.open();
        int runs = 0;
        m_fx.menu->parts.showPreview = [&runs] {
            ++runs;
            throw std::runtime_error("no printer");
        };
        QVERIFY_THROWS_NO_EXCEPTION(Q_EMIT w->toolbar()->ButtonClick(6));  // "Aperçu"
        BarreXP* pane = buildTaskPane(*m_fx.menu);
        QVERIFY_THROWS_NO_EXCEPTION(Q_EMIT pane->ClickLabel(9));  // "Aperçu avant impression"
        QCOMPARE(runs, 2);
    }

    void emptyFolderShowsThePlaceholder()
    {
        TemplateMenu templates(*m_fx.menu);
        QCOMPARE(captions(templates), QStringList{QStringLiteral("[ Aucun gabarit disponible ]")});
        templates.entries()[0]->trigger();
        QVERIFY(m_fx.menu->projectWindows().isEmpty());
    }

    void saveAsTemplateRefreshesAndTemplatesOpenUnsaved()
    {
        TemplateMenu templates(*m_fx.menu);
        frmProjet* w = m_fx.open();
        // A name given without its extension gets it.
        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{m_fx.dir.filePath("Gabarits/Exemple"), 0});
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::EnregistrerGabarit);
        const auto& request = m_fx.dialogs->shown.last().request;
        QCOMPARE(request.fileName, QStringLiteral("Exemple.gab"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("gab"));
        QCOMPARE(request.directory, m_fx.dir.filePath("Gabarits"));
        QCOMPARE(request.filters.at(0), QStringLiteral("Gabarit Plakatorium (*.gab)"));
        QCOMPARE(test::readBytes(m_fx.dir.filePath("Gabarits/Exemple.gab")), test::kExampleProject);
        QVERIFY(!QFile::exists(m_fx.dir.filePath("Gabarits/Exemple")));
        QCOMPARE(templates.entries()[0]->text(), QStringLiteral("Exemple"));
        // The window does not follow the template.
        QCOMPARE(w->filePath(), m_fx.dir.filePath("Exemple.plk"));
        QCOMPARE(w->caption(), QStringLiteral("Exemple"));

        templates.Mnu_File_Gabarits_Click(0);
        frmProjet* opened = m_fx.menu->activeProject();
        QVERIFY(opened != w);
        QCOMPARE(opened->caption(), QStringLiteral("Exemple"));
        QCOMPARE(opened->surface(1).prjWidth(), 85.5);
        QCOMPARE(opened->filePath(), QString());
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Enregistrer);  // Enregistrer asks for a name in "Projets"
        QCOMPARE(m_fx.dialogs->shown.last().kind, QStringLiteral("save"));
        QCOMPARE(m_fx.dialogs->shown.last().request.directory, m_fx.dir.filePath("Projets"));
    }

    void installedTemplatesFollowTheUsersOwn()
    {
        QTemporaryDir installed;
        test::writeBytes(installed.filePath("Planche.gab"), test::kExampleProject);
        test::writeBytes(installed.filePath("Carte.gab"), test::kExampleProject);
        test::writeBytes(m_fx.dir.filePath("Gabarits/Carte.gab"), test::kExampleProject);
        test::writeBytes(m_fx.dir.filePath("Gabarits/Perso.gab"), test::kExampleProject);
        m_fx.stop();
        m_fx.start(installed.path());
        TemplateMenu templates(*m_fx.menu);
        QStringList paths;
        for (const QAction* entry : templates.entries())
            paths << entry->data().toString();
        // The user's "Carte" hides the installed one of the same name.
        QCOMPARE(captions(templates), (QStringList{"Carte", "Perso", "Planche"}));
        QCOMPARE(paths, (QStringList{m_fx.dir.filePath("Gabarits/Carte.gab"), m_fx.dir.filePath("Gabarits/Perso.gab"),
                                     installed.filePath("Planche.gab")}));
        templates.Mnu_File_Gabarits_Click(2);
        QCOMPARE(m_fx.menu->activeProject()->caption(), QStringLiteral("Planche"));
        QVERIFY(m_fx.menu->activeProject()->filePath().isEmpty());
    }

    void templatesComeInTheirNumbersOrder()
    {
        for (const char* name : {"Etiquettes 105 x 37.gab", "etiquettes 38,1 x 21,2.gab", "Etiquettes 70 x 37.gab",
                                 "Cartes 85 x 54.gab"})
            test::writeBytes(m_fx.dir.filePath(QStringLiteral("Gabarits/") + name), test::kExampleProject);
        QCOMPARE(captions(TemplateMenu(*m_fx.menu)), (QStringList{"Cartes 85 x 54", "etiquettes 38,1 x 21,2", "Etiquettes 70 x 37",
                                        "Etiquettes 105 x 37"}));
    }

    void unreadableTemplateIsReported()
    {
        test::writeBytes(m_fx.dir.filePath("Gabarits/Abimé.gab"), "PROJET|x|large|50|0|0|Faux|Faux|Faux\r\n");
        TemplateMenu templates(*m_fx.menu);
        templates.Mnu_File_Gabarits_Click(0);
        QVERIFY(m_fx.dialogs->shown.last().text.contains("ligne 1"));
    }

    void shippedTemplatesReadBack()
    {
        installShippedTemplates(m_fx.dir.filePath("Gabarits"));
        const QStringList files = QDir(m_fx.dir.filePath("Gabarits")).entryList({"*.gab"});
        QCOMPARE(files, QDir(":/templates").entryList({"*.gab"}));
        QVERIFY(files.size() >= 24);  // four designs and the sheets of labels
        // The address template's sample data goes with it.
        QVERIFY(QFileInfo(m_fx.dir.filePath("Gabarits/Adresses (exemple).csv")).isFile());
        TemplateMenu templates(*m_fx.menu);
        for (int i = 0; i < files.size(); ++i) {
            const qsizetype messages = m_fx.dialogs->shown.size();
            templates.Mnu_File_Gabarits_Click(i);
            QCOMPARE(m_fx.dialogs->shown.size(), messages);  // read without a warning
        }
        QCOMPARE(m_fx.menu->projectWindows().size(), files.size());
    }

    void preferencesActAtOnceAndCancelUndoes()
    {
        buildTaskPane(*m_fx.menu);
        auto* column = qobject_cast<QScrollArea*>(m_fx.menu->taskPane()->parentWidget()->parentWidget());
        QVERIFY(column);
        frmOptions options(*m_fx.menu);
        options.SaveLoadOptions(0);
        QVERIFY(!column->isHidden());
        options.Check1(0)->setChecked(true);
        QVERIFY(column->isHidden());
        QCOMPARE(m_fx.app.Options.Afficher, std::int16_t(1));
        auto* row = m_fx.menu->centralWidget()->layout();
        options.Check1(2)->setChecked(true);
        QCOMPARE(row->indexOf(column), 1);  // right of the workspace
        options.cancel();
        QVERIFY(!column->isHidden());
        QCOMPARE(m_fx.app.Options.Position, std::int16_t(0));
        QCOMPARE(row->indexOf(column), 0);

        options.Check1(3)->setChecked(true);
        options.ok();
        const QString ini = m_fx.menu->paths().settingsFile();
        QCOMPARE(ReadIni(ini, "OPTIONS", "Maximiser"), QStringLiteral("1"));
        for (const char* key : {"Afficher", "Animation", "Position", "Boite"})
            QCOMPARE(ReadIni(ini, "OPTIONS", key), QStringLiteral("0"));
    }

    void helpKeysFindTheirSections()
    {
        QCOMPARE(HelpWindow::topicFor("Index de l'aide"), QStringLiteral("index.html"));
        QCOMPARE(HelpWindow::topicFor("Licence d'exploitation"), QStringLiteral("licence.html"));
        QCOMPARE(HelpWindow::topicFor("Imprimer - [Carte]"), QStringLiteral("dialogues.html#imprimer"));
        QCOMPARE(HelpWindow::topicFor("inconnu"), QStringLiteral("index.html"));
        HelpWindow help;
        help.ShowHelpTopic("Historique des versions");
        QVERIFY(help.browser()->toPlainText().contains("Version 1.0.0"));
    }
};

PLK_TEST_CLASS(TestFrmMenu)
#include "tst_frmMenu.moc"
