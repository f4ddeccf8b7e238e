#include "app/core/AppState.h"
#include "app/core/IniFile.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/TaskPaneSetup.h"
#include "app/ui/frmMenu.h"
#include "app/ui/frmOptions.h"
#include "document/ui/TemplateMenu.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "windows/ui/frmProjet.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace plk;

class TestTemplatesAndPreferences : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<test::ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmMenu> m_menu;

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("LC_ALL", "fr_FR.UTF-8");
        test::initFonts();
    }

    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        AppPaths(m_dir.path()).createFolders();
        Options = AppOptions();
        m_dialogs = std::make_unique<test::ScriptedDialogs>();
        m_menu = std::make_unique<frmMenu>(AppPaths(m_dir.path()), *m_dialogs);
        m_menu->show();
    }

    void cleanup()
    {
        for (QMdiSubWindow* sub : m_menu->workspace()->subWindowList()) {
            m_dialogs->answers.push_back(Dialogs::Answer::No);
            sub->close();
        }
        m_menu.reset();
    }

    void emptyFolderShowsThePlaceholder()
    {
        TemplateMenu templates(*m_menu);
        QCOMPARE(templates.entries().size(), 1);
        QCOMPARE(templates.entries()[0]->text(), QStringLiteral("[ Aucun gabarit disponible ]"));
        templates.entries()[0]->trigger();
        QVERIFY(m_menu->projectWindows().isEmpty());
    }

    void saveAsTemplateRefreshesAndTemplatesOpenUnsaved()
    {
        TemplateMenu templates(*m_menu);
        frmProjet* w = m_menu->createProjectWindow(QStringLiteral("Carte"));
        w->surface(1).NewProjet("Carte", 85, 55, 255, 0, false, false, true);
        w->setCaption(QStringLiteral("Carte"));
        m_menu->showProjectWindow(w);
        const QString target = m_dir.filePath("Gabarits/Carte.gab");
        m_dialogs->files.push_back(Dialogs::FileAnswer{target, 0});
        m_menu->Mnu_ID_Fichier_Click(5);
        const auto& request = m_dialogs->shown.last().request;
        QCOMPARE(request.fileName, QStringLiteral("Carte"));
        QCOMPARE(request.directory, m_dir.filePath("Gabarits"));
        QCOMPARE(request.filters.at(0), QStringLiteral("Gabarit Plakatorium (*.gab)"));
        QVERIFY(QFile::exists(target));
        QCOMPARE(templates.entries()[0]->text(), QStringLiteral("Carte"));
        QCOMPARE(w->filePath(), QString());  // the window does not follow the template

        templates.Mnu_File_Gabarits_Click(0);
        frmProjet* opened = m_menu->activeProject();
        QVERIFY(opened != w);
        QCOMPARE(opened->caption(), QStringLiteral("Carte"));
        QCOMPARE(opened->surface(1).prjWidth(), 85.0);
        QCOMPARE(opened->filePath(), QString());
        m_menu->Mnu_ID_Fichier_Click(3);  // Enregistrer asks for a name in "Projets"
        QCOMPARE(m_dialogs->shown.last().kind, QStringLiteral("save"));
        QCOMPARE(m_dialogs->shown.last().request.directory, m_dir.filePath("Projets"));
    }

    void unreadableTemplateIsReported()
    {
        test::writeBytes(m_dir.filePath("Gabarits/Abimé.gab"), "PROJET|x|large|50|0|0|Faux|Faux|Faux\r\n");
        TemplateMenu templates(*m_menu);
        templates.Mnu_File_Gabarits_Click(0);
        QVERIFY(m_dialogs->shown.last().text.contains("ligne 1"));
    }

    void shippedTemplatesReadBack()
    {
        installShippedTemplates(m_dir.filePath("Gabarits"));
        const QStringList files = QDir(m_dir.filePath("Gabarits")).entryList({"*.gab"});
        QCOMPARE(files.size(), 3);
        TemplateMenu templates(*m_menu);
        for (int i = 0; i < files.size(); ++i) {
            const qsizetype messages = m_dialogs->shown.size();
            templates.Mnu_File_Gabarits_Click(i);
            QCOMPARE(m_dialogs->shown.size(), messages);  // read without a warning
        }
        QCOMPARE(m_menu->projectWindows().size(), 3);
    }

    void preferencesActAtOnceAndCancelUndoes()
    {
        buildTaskPane(*m_menu);
        auto* column = qobject_cast<QScrollArea*>(m_menu->taskPane()->parentWidget()->parentWidget());
        QVERIFY(column);
        frmOptions options(*m_menu);
        options.SaveLoadOptions(0);
        QVERIFY(!column->isHidden());
        options.Check1(0)->setChecked(true);
        QVERIFY(column->isHidden());
        QCOMPARE(Options.Afficher, std::int16_t(1));
        auto* row = m_menu->centralWidget()->layout();
        options.Check1(2)->setChecked(true);
        QCOMPARE(row->indexOf(column), 1);  // right of the workspace
        options.cancel();
        QVERIFY(!column->isHidden());
        QCOMPARE(Options.Position, std::int16_t(0));
        QCOMPARE(row->indexOf(column), 0);

        options.Check1(3)->setChecked(true);
        options.ok();
        const QString ini = m_menu->paths().settingsFile();
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

    void everyMenuEntryActs()
    {
        // With a project open, no entry that acts is left without an effect wired.
        QVERIFY(m_menu->parts.refreshTemplates == nullptr);
        TemplateMenu templates(*m_menu);
        QVERIFY(m_menu->parts.refreshTemplates && m_menu->parts.saveAsTemplate);
        int entries = 0;
        for (QMenu* menu : {m_menu->fileMenu(), m_menu->templatesMenu(), m_menu->windowMenu(), m_menu->helpMenu()})
            for (QAction* a : menu->actions())
                entries += a->isSeparator() ? 0 : 1;
        QCOMPARE(entries, 10 + 2 + 5 + 4);

        // Every entry runs with a project open and every dialog answered "Annuler".
        int calls = 0;
        m_menu->parts.showWizard = [&calls](bool, frmProjet*) { ++calls; };
        m_menu->parts.showPrint = m_menu->parts.showPreview = m_menu->parts.showExport =
            m_menu->parts.showOptions = m_menu->parts.showAbout = [&calls] { ++calls; };
        m_menu->parts.showHelp = [&calls](const QString&) { ++calls; };
        frmProjet* w = m_menu->createProjectWindow(QStringLiteral("A"));
        m_menu->showProjectWindow(w);
        for (QMenu* menu : {m_menu->fileMenu(), m_menu->editMenu(), m_menu->windowMenu(), m_menu->helpMenu(),
                            m_menu->projectMenu()})
            for (QAction* a : menu->actions()) {
                const QString text = a->text();
                if (a->isSeparator() || text == "Quitter" || text == "Clôturer le projet" ||
                    text == "Fermer les fenêtres")
                    continue;
                a->trigger();
            }
        QCOMPARE(calls, 10);  // wizard twice (project, tab), preview, print, options, export, three help topics, about
        QCOMPARE(w->surface(1).IDlabel, std::int16_t(1));
        QCOMPARE(w->surface(1).IDlogo, std::int16_t(1));
    }
};

QTEST_MAIN(TestTemplatesAndPreferences)
#include "tst_TemplatesAndPreferences.moc"
