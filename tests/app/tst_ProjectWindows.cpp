// The project windows of the workspace as a user meets them: one window per file,
// the status bar after a window closes, and windows kept within the work area.

#include "app/ui/FileArguments.h"
#include "app/ui/RecentProjectsMenu.h"
#include "app/ui/frmMenu.h"
#include "document/core/GlabelsImport.h"
#include "settings/core/Settings.h"
#include "support/MainWindowFixture.h"
#include "support/TestRegistry.h"
#include "windows/ui/frmOutils.h"
#include "windows/ui/frmProjet.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QtTest>

using namespace plk;

class TestProjectWindows : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;

    QString file(const QString& name) const { return m_fx.dir.filePath(name); }

private Q_SLOTS:
    void cleanup() { m_fx.stop(); }

    void aFileOpenedAgainBringsItsWindowToTheFront_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Ouvrir") << "dialog";
        QTest::newRow("same path") << "Carte.plk";
        QTest::newRow("symbolic link") << "Lien.plk";
        QTest::newRow("relative name") << "./sous/../Carte.plk";
        QTest::newRow("recent projects") << "recent";
        QTest::newRow("second start") << "handed";
    }
    void aFileOpenedAgainBringsItsWindowToTheFront()
    {
        QFETCH(QString, how);
        m_fx.start();
        RecentProjectsMenu recents(*m_fx.menu, m_fx.menu->fileMenu());
        QDir(m_fx.dir.path()).mkpath("sous");
        QFile::link(file("Carte.plk"), file("Lien.plk"));
        frmProjet* first = m_fx.open(test::kExampleProject, 0, "Carte.plk");
        m_fx.open(test::kExampleProject, 0, "Autre.plk");
        QVERIFY(m_fx.menu->activeProject() != first);
        first->surface(1).setPrjWidth(60);  // unsaved work the second opening must keep

        if (how == "dialog") {
            m_fx.dialogs->files.push_back(Dialogs::FileAnswer{file("Carte.plk"), 0});
            m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Ouvrir);
        } else if (how == "recent") {
            recents.menu()->actions()[1]->trigger();
        } else if (how == "handed") {
            FileArguments::openHandedOver(*m_fx.menu, {file("Carte.plk")});
        } else {
            QDir::setCurrent(m_fx.dir.path());
            m_fx.menu->openProjectFile(how.startsWith('.') ? how : file(how));
        }
        QCOMPARE(m_fx.menu->projectWindows().size(), 2);
        QCOMPARE(m_fx.menu->activeProject(), first);
        QCOMPARE(first->surface(1).prjWidth(), 60.0);
        for (const auto& shown : m_fx.dialogs->shown)
            QVERIFY(shown.kind != "message");
    }

    void aGlabelsProjectOpensAsAProjectOfOurs()
    {
        m_fx.start();
        test::writeBytes(file("Essai.glabels"),
                         "<Glabels-document><Template brand=\"B\" part=\"P\"><Label-round id=\"0\" radius=\"20mm\">"
                         "<Layout nx=\"2\" ny=\"3\"/></Label-round></Template><Objects><Object-box x=\"1\" y=\"1\" "
                         "w=\"9\" h=\"9\" line_width=\"1\" line_color=\"0xff\" shadow=\"True\"/></Objects></Glabels-document>");
        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{file("Essai.glabels"), 2});
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Ouvrir);
        frmProjet* window = m_fx.menu->activeProject();
        QVERIFY(window);
        QCOMPARE(window->caption(), QStringLiteral("Essai"));
        QCOMPARE(window->surface(1).prjWidth(), 40.0);
        QCOMPARE(window->surface(1).print().outline->shape, LabelOutline::Shape::Ellipse);
        QCOMPARE(window->surface(1).objectCount(ObjectKind::Shape), 1);
        QCOMPARE(m_fx.dialogs->shown.at(1).text, glabelsLossesMessage(file("Essai.glabels"), {"ombre"}));
        // Enregistrer asks for a project name of ours: the gLabels file is never written over.
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Enregistrer);
        QCOMPARE(m_fx.dialogs->shown.last().kind, QStringLiteral("save"));
        QCOMPARE(m_fx.dialogs->shown.last().request.fileName, QStringLiteral("Essai.plk"));
    }

    void theStatusBarShowsTheWindowLeftInFront_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Clôturer") << false;
        QTest::newRow("close box") << true;
    }
    void theStatusBarShowsTheWindowLeftInFront()
    {
        QFETCH(bool, closeBox);
        m_fx.start();
        frmProjet* first = m_fx.open(test::kExampleProject, 0, "Carte.plk");
        frmProjet* second = m_fx.open(test::kExampleProject, 0, "Autre.plk");
        second->surface(1).setPrjWidth(40);
        m_fx.dialogs->answers.push_back(Dialogs::Answer::No);
        if (closeBox)
            second->parentWidget()->close();
        else
            m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Cloturer);
        QCOMPARE(m_fx.menu->projectWindows(), QList<frmProjet*>{first});
        QCOMPARE(m_fx.menu->statusPanel(2)->text(), first->sizeStatus());
        QVERIFY(first->sizeStatus() != kNoSizeStatus);
        QCOMPARE(m_fx.menu->statusPanel(4)->text(), QStringLiteral("Zoom : 100 %"));

        m_fx.dialogs->answers.push_back(Dialogs::Answer::No);
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Cloturer);
        QCOMPARE(m_fx.menu->statusPanel(2)->text(), kNoSizeStatus);
        QCOMPARE(m_fx.menu->statusPanel(4)->text(), QString());
    }

    void windowsStayWithinTheWorkArea()
    {
        m_fx.start();
        QList<QPoint> places;
        for (int i = 0; i < 6; ++i) {
            m_fx.open(test::kExampleProject, 0, QStringLiteral("P%1.plk").arg(i));
            const QMdiSubWindow* sub = m_fx.menu->workspace()->currentSubWindow();
            QVERIFY2(m_fx.menu->workspace()->viewport()->rect().contains(sub->geometry()), qPrintable(QString::number(i)));
            places << sub->pos();
        }
        QCOMPARE(places.at(0), QPoint(0, 0));
        QVERIFY(places.at(1).x() > 0 && places.at(1).y() > 0);  // cascading

        // A tool box stored half off the screen comes back wholly onto it.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        saveToolBox(AppPaths(m_fx.dir.path()).settingsFile(), 1, (screen.bottom() - 40) * 15.0,
                    (screen.right() - 60) * 15.0, RegionalFormat::system());
        m_fx.startToolBox();
        m_fx.menu->Mnu_ID_Edition_Click(Edition::BoiteOutils);
        QVERIFY(screen.contains(m_fx.toolBox->frameGeometry()));
    }
};

PLK_TEST_CLASS(TestProjectWindows)
#include "tst_ProjectWindows.moc"
