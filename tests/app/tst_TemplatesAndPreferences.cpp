#include "app/ui/HelpWindow.h"
#include "MainWindowTests.h"
#include "app/ui/frmOptions.h"

#include <QCheckBox>
#include <QLayout>
#include <QScrollArea>
#include <QTextBrowser>

using namespace plk;

class TestTemplatesAndPreferences : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;

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
        AppPaths(m_fx.dir.path()).createFolders();
        m_fx.start();
    }

    void cleanup() { m_fx.stop(); }
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

PLK_TEST_CLASS(TestTemplatesAndPreferences)
#include "tst_TemplatesAndPreferences.moc"
