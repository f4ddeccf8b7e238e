// What a user's hand meets around the project windows: names saved with their
// extension, the buttons Return presses, "Fermer les fenêtres" over several windows,
// menu states that follow the window on screen, and clicks that fail quietly.

#include "MainWindowTests.h"
#include "settings/core/AppPaths.h"

#include <stdexcept>

using namespace plk;
using Answer = Dialogs::Answer;

namespace {

const QString kCloseQuestion = QStringLiteral("Souhaitez-vous enregistrer les modifications de ce projet ?");

QByteArray twoTabs()
{
    return test::kExampleProject + "ONGLET|Verso\r\nPROJET|Verso|40|30|0|0|Faux|Faux|Faux\r\n";
}

}  // namespace

class TestWindowCommands : public QObject {
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

private Q_SLOTS:
    void init()
    {
        m_fx.start();
        AppPaths(m_fx.dir.path()).createFolders();  // as start-up makes them
    }
    void cleanup() { m_fx.stop(); }

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
};

PLK_TEST_CLASS(TestWindowCommands)
#include "tst_WindowCommands.moc"
