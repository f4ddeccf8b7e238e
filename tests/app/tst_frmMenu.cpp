#include "app/core/AppState.h"
#include "app/ui/frmMenu.h"
#include "canvas/ui/CanvasWidget.h"
#include "canvas/ui/EtiquetteView.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "windows/ui/frmProjet.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;
using Answer = Dialogs::Answer;

namespace {

const QByteArray kExample =
    "ONGLET|Carte\r\n"
    "PROJET|Carte|85,5|54|-2147483643|-2147483642|Faux|Faux|Vrai|Faux|Faux\r\n"
    "LABEL|ZONE DE TEXTE|5|5|Tahoma|8|Faux|Faux|Faux|Faux|-2147483630\r\n"
    "FOND|1|-2147483643\r\n"
    "PRINT|0|0|0|0|1|0|0|0|0|1|1\r\n";

const QString kGuard = QStringLiteral("Vous devez créer ou ouvrir un projet pour pouvoir utiliser cette fonction.");

}  // namespace

class TestFrmMenu : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<test::ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmMenu> m_menu;

    frmProjet* openExample(const QByteArray& bytes = kExample, int filter = 0, const QString& name = "Exemple.plk")
    {
        const QString path = m_dir.filePath(name);
        test::writeBytes(path, bytes);
        m_dialogs->files.push_back(Dialogs::FileAnswer{path, filter});
        m_menu->Mnu_ID_Fichier_Click(1);
        return m_menu->activeProject();
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("LC_ALL", "fr_FR.UTF-8");  // status texts and files in French form
        test::initFonts();
    }

    void init()
    {
        m_dialogs = std::make_unique<test::ScriptedDialogs>();
        m_menu = std::make_unique<frmMenu>(AppPaths(m_dir.path()), *m_dialogs);
        m_menu->show();
        Options = AppOptions();
        BoiteVisible = false;
    }

    void cleanup()
    {
        for (QMdiSubWindow* sub : m_menu->workspace()->subWindowList()) {
            m_dialogs->answers.push_back(Answer::No);
            sub->close();
        }
        m_menu.reset();
    }

    void openSaveAsAndSaveAgain()
    {
        frmProjet* w = openExample();
        QVERIFY(w);
        QCOMPARE(m_dialogs->shown.at(0).request.title, QStringLiteral("Ouvrir un projet"));
        QCOMPARE(m_dialogs->shown.at(0).request.directory, m_dir.filePath("Projets"));
        QCOMPARE(w->caption(), QStringLiteral("Exemple"));
        QCOMPARE(w->tabStrip()->tabText(0), QStringLiteral("Carte"));
        QCOMPARE(m_menu->statusPanel(2)->text(), QStringLiteral("L : 85,5 Mm - H : 54 Mm"));

        const QString carte = m_dir.filePath("Carte.plk");
        m_dialogs->files.push_back(Dialogs::FileAnswer{carte, 0});
        m_menu->Mnu_ID_Fichier_Click(4);
        QCOMPARE(m_dialogs->shown.last().request.title, QStringLiteral("Enregistrer le projet sous..."));
        QCOMPARE(w->caption(), QStringLiteral("Carte"));
        QCOMPARE(w->filePath(), carte);
        QCOMPARE(test::readBytes(carte), kExample);

        QFile::remove(carte);
        const qsizetype shown = m_dialogs->shown.size();
        m_menu->Mnu_ID_Fichier_Click(3);
        QCOMPARE(m_dialogs->shown.size(), shown);  // no dialog the second time
        QCOMPARE(test::readBytes(carte), kExample);
    }

    void closeQuestionAnswers()
    {
        frmProjet* w = openExample();
        QPointer<QMdiSubWindow> sub = m_menu->workspace()->activeSubWindow();
        m_dialogs->answers.push_back(Answer::Cancel);
        QVERIFY(!sub->close());
        const auto& q = m_dialogs->shown.last();
        QCOMPARE(q.text, QStringLiteral("Souhaitez-vous enregistrer les modifications de ce projet ?"));
        QCOMPARE(q.title, QStringLiteral("Enregistrez - [Exemple] ?"));
        QCOMPARE(q.buttons, Dialogs::Buttons::YesNoCancel);

        // Oui on a project with a file: saved, then closed.
        QFile::remove(w->filePath());
        const QString path = w->filePath();
        m_dialogs->answers.push_back(Answer::Yes);
        QVERIFY(sub->close());
        QCOMPARE(test::readBytes(path), kExample);
        QCOMPARE(m_menu->statusPanel(2)->text(), QStringLiteral("L : 00 Mm - H : 00 Mm"));

        // Oui on a never-saved project, save dialog cancelled: the window stays.
        frmProjet* fresh = m_menu->createProjectWindow(QStringLiteral("Neuf"));
        m_menu->showProjectWindow(fresh);
        m_dialogs->answers.push_back(Answer::Yes);
        QVERIFY(!m_menu->workspace()->activeSubWindow()->close());
        QCOMPARE(m_menu->projectWindows().size(), 1);
        m_dialogs->answers.push_back(Answer::No);
        QVERIFY(m_menu->workspace()->activeSubWindow()->close());
    }

    void guardMessages()
    {
        for (int i : {9, 10}) {
            m_dialogs->shown.clear();
            m_menu->Mnu_ID_Fichier_Click(i);
            QCOMPARE(m_dialogs->shown.size(), 1);
            QCOMPARE(m_dialogs->shown.at(0).text, kGuard);
            QCOMPARE(m_dialogs->shown.at(0).icon, Dialogs::Icon::Exclamation);
        }
        for (int i : {0, 1, 3, 5, 6, 8, 10}) {
            m_dialogs->shown.clear();
            m_menu->Mnu_ID_Edition_Click(i);
            QCOMPARE(m_dialogs->shown.size(), 1);
        }
        for (int i : {0, 2, 4}) {
            m_dialogs->shown.clear();
            m_menu->Mnu_ID_Projet_Click(i);
            QCOMPARE(m_dialogs->shown.size(), 1);
        }
        m_dialogs->shown.clear();
        for (int i : {3, 4, 5, 7})
            m_menu->Mnu_ID_Fichier_Click(i);
        QVERIFY(m_dialogs->shown.isEmpty());
    }

    void tabRenameAndDeleteRules()
    {
        const QByteArray three = kExample + "ONGLET|Deux\r\nPROJET|Deux|40|30|0|0|Faux|Faux|Faux\r\n"
                                            "ONGLET|Trois\r\nPROJET|Trois|60|30|0|0|Faux|Faux|Faux\r\n";
        frmProjet* w = openExample(three);
        QCOMPARE(w->tabCount(), 3);
        w->selectTab(1);
        QVERIFY(!m_menu->projectAction(4)->isEnabled());
        w->selectTab(2);
        QVERIFY(m_menu->projectAction(4)->isEnabled());
        QCOMPARE(m_menu->statusPanel(2)->text(), QStringLiteral("L : 40 Mm - H : 30 Mm"));
        m_menu->Mnu_ID_Projet_Click(4);
        QCOMPARE(m_dialogs->shown.last().text, QStringLiteral("Vous ne pouvez supprimer que le dernier onglet de chaque projet."));
        QCOMPARE(w->tabCount(), 3);

        m_dialogs->inputs.push_back(QString());
        m_menu->Mnu_ID_Projet_Click(2);
        QCOMPARE(w->tabStrip()->tabText(1), QStringLiteral("Deux"));
        m_dialogs->inputs.push_back(QStringLiteral("Ver|so"));
        m_menu->Mnu_ID_Projet_Click(2);
        QCOMPARE(m_dialogs->shown.last().text, QStringLiteral("Renommer l'onglet courant."));
        QCOMPARE(w->tabStrip()->tabText(1), QStringLiteral("Verso"));
        QCOMPARE(w->surface(2).NameProjet, QStringLiteral("Verso"));
        QCOMPARE(w->caption(), QStringLiteral("Exemple"));

        w->selectTab(3);
        m_dialogs->answers.push_back(Answer::No);
        m_menu->Mnu_ID_Projet_Click(4);
        QCOMPARE(w->tabCount(), 3);
        m_dialogs->answers.push_back(Answer::Yes);
        m_menu->Mnu_ID_Projet_Click(4);
        QCOMPARE(w->tabCount(), 2);
        QCOMPARE(w->selectedTab(), 2);
        QVERIFY(m_menu->projectAction(4)->isEnabled());
    }

    void statusPositionAndEditCommands()
    {
        frmProjet* w = openExample();
        Etiquette& t = w->surface(1);
        t.backgroundMouseMove(12.7, 0.2);
        QCOMPARE(m_menu->statusPanel(3)->text(), QStringLiteral("X : 13 Mm - Y : 1 Mm"));
        m_menu->Mnu_ID_Edition_Click(0);
        QCOMPARE(t.IDlabel, std::int16_t(2));
        QCOMPARE(t.label(2).Top, 5.0f);
        t.objectClick(Etiquette::ObjectKind::Label, 2);
        QCOMPARE(ObjetActif, std::int16_t(2));
        m_menu->Mnu_ID_Edition_Click(5);
        m_menu->Mnu_ID_Edition_Click(6);
        QCOMPARE(t.IDlabel, std::int16_t(3));
        QCOMPARE(t.label(3).Top, 10.0f);
        t.objectClick(Etiquette::ObjectKind::Label, 3);
        m_menu->Mnu_ID_Edition_Click(3);
        QVERIFY(!t.label(3).Visible);
        QVERIFY(!m_menu->editAction(3)->isEnabled());
    }

    void doubleClickEditsTextOnlyAfterFontDialog()
    {
        frmProjet* w = openExample();
        Etiquette& t = w->surface(1);
        m_dialogs->inputs.push_back(QStringLiteral("Nouveau"));
        t.objectDoubleClick(Etiquette::ObjectKind::Label, 1);  // font dialog cancelled
        QCOMPARE(t.label(1).Caption, QStringLiteral("ZONE DE TEXTE"));
        QFont bold(QStringLiteral("Tahoma"), 12);
        bold.setBold(true);
        m_dialogs->inputs.push_back(QStringLiteral("Nouveau"));
        m_dialogs->fonts.push_back(bold);
        t.objectDoubleClick(Etiquette::ObjectKind::Label, 1);
        QCOMPARE(t.label(1).Caption, QStringLiteral("Nouveau"));
        QCOMPARE(t.label(1).FontSize, 12.0f);
        QVERIFY(t.label(1).FontBold);

        t.NewLogo();
        t.objectDoubleClick(Etiquette::ObjectKind::Logo, 1);
        QCOMPARE(m_dialogs->shown.last().request.title, QStringLiteral("Importer un logo"));
        QCOMPARE(m_dialogs->shown.last().request.directory, m_dir.filePath("Images"));
    }

    void legacyFilterAndBadFiles()
    {
        frmProjet* w = openExample("[FORMAT]\r\nLongueur=2835\r\nHauteur=2835\r\n[LABEL]\r\nNombre=0\r\n"
                                   "[LOGO]\r\nNombre=0\r\n[FOND]\r\nNumero=0\r\n",
                                   1, "Ancien.plk");
        QVERIFY(w);
        QCOMPARE(w->tabStrip()->tabText(0), QStringLiteral("Ancien"));
        QCOMPARE(w->filePath(), m_dir.filePath("Ancien.plk"));

        const int before = int(m_menu->projectWindows().size());
        openExample("[FORMAT]\r\n", 1, "Casse.prj");
        QCOMPARE(int(m_menu->projectWindows().size()), before);
        QVERIFY(m_dialogs->shown.last().text.contains("ne peut pas être importé"));

        frmProjet* partial = openExample(kExample + "LABEL|x|dix\r\n", 0, "Partiel.plk");
        QVERIFY(m_dialogs->shown.last().text.contains("ligne 6"));
        QCOMPARE(partial->surface(1).IDlabel, std::int16_t(1));
    }

    void failedSaveIsReported()
    {
        frmProjet* w = openExample();
        w->setFilePath(m_dir.filePath("absent/Carte.plk"));
        m_menu->Mnu_ID_Fichier_Click(3);
        QVERIFY(m_dialogs->shown.last().text.startsWith("Erreur lors de l'enregistrement du projet."));
    }

    void windowListAndCanvasMouse()
    {
        openExample();
        openExample(kExample, 0, "Second.plk");
        m_menu->windowMenu()->aboutToShow();
        const QList<QAction*> actions = m_menu->windowMenu()->actions();
        QVERIFY(actions.last()->text().contains("Second"));
        QVERIFY(actions.last()->isChecked());

        frmProjet* w = m_menu->activeProject();
        CanvasWidget* canvas = w->view(1)->canvas();
        QTest::mouseMove(canvas, QPoint(50, 2));
        QCOMPARE(m_menu->statusPanel(3)->text(), QStringLiteral("X : 14 Mm - Y : 1 Mm"));
        const QRectF r = w->surface(1).labelRect(1);
        const QPoint onLabel(int((r.left() + 1) * 56.7 / 15), int((r.top() + 1) * 56.7 / 15));
        QTest::mouseClick(canvas, Qt::LeftButton, {}, onLabel);
        QCOMPARE(w->surface(1).LabelFocus, std::int16_t(1));
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(300, 190));
        QCOMPARE(w->surface(1).LabelFocus, std::int16_t(-1));
    }
};

QTEST_MAIN(TestFrmMenu)
#include "tst_frmMenu.moc"
