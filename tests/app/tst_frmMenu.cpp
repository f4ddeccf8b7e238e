// The main window's file, project and window commands: closing, the
// guard without a project, tab rules, a failed save, the window list and the canvas mouse.
#include "MainWindowTests.h"

using namespace plk;
using Answer = Dialogs::Answer;

const QString kGuard = QStringLiteral("Vous devez créer ou ouvrir un projet pour pouvoir utiliser cette fonction.");

class TestFrmMenu : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;

private Q_SLOTS:

    void init() { m_fx.start(); }
    void cleanup() { m_fx.stop(); }

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
};

PLK_TEST_CLASS(TestFrmMenu)
#include "tst_frmMenu.moc"
