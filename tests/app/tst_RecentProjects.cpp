// "Projets récents": the last eight projects opened or saved, newest first, kept in the
// settings file across starts; a project that is gone leaves the list with a message.

#include "MainWindowTests.h"
#include "app/ui/RecentProjectsMenu.h"
#include "settings/core/RecentProjects.h"

using namespace plk;

class TestRecentProjects : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;

    QString file(const QString& name) const { return m_fx.dir.filePath(name); }
    QString ini() const { return file("Plakatorium.ini"); }

    static QStringList entries(const RecentProjectsMenu& recents)
    {
        QStringList texts;
        for (const QAction* a : recents.menu()->actions())
            texts << a->text();
        return texts;
    }

private Q_SLOTS:
    void init()
    {
        QDir(m_fx.dir.path()).removeRecursively();
        QDir().mkpath(m_fx.dir.path() + "/Gabarits");
    }
    void cleanup() { m_fx.stop(); }

    void newestFirstEightAtMostOnceEach()
    {
        RecentProjects list(ini());
        QVERIFY(list.paths().isEmpty());
        for (int i = 1; i <= 10; ++i)
            list.add(file(QStringLiteral("P%1.plk").arg(i)));
        list.add(file("P5.plk"));
        const QStringList expected{file("P5.plk"), file("P10.plk"), file("P9.plk"), file("P8.plk"),
                                   file("P7.plk"), file("P6.plk"), file("P4.plk"), file("P3.plk")};
        QCOMPARE(list.paths(), expected);
        QCOMPARE(ReadIni(ini(), "RECENTS", "Projet1"), file("P5.plk"));
        QCOMPARE(ReadIni(ini(), "RECENTS", "Projet8"), file("P3.plk"));
        QCOMPARE(RecentProjects(ini()).paths(), expected);

        list.remove(file("P10.plk"));
        QCOMPARE(ReadIni(ini(), "RECENTS", "Projet2"), file("P9.plk"));
        QCOMPARE(ReadIni(ini(), "RECENTS", "Projet8"), QString());
        QVERIFY(test::readBytes(ini()).contains("\r\nProjet8=\r\n"));
        QCOMPARE(RecentProjects(ini()).paths().size(), 7);
        // The section lives beside the others, in the file's own format.
        QVERIFY(test::readBytes(ini()).startsWith("[RECENTS]\r\nProjet1=" + file("P5.plk").toUtf8() + "\r\n"));
    }

    void pathsTheSettingsFileCannotKeepAreLeftOut()
    {
        RecentProjects list(ini());
        list.add(file(QStringLiteral("Ωmega.plk")));               // no Windows-1252 form
        list.add(file(QString(260, QLatin1Char('x')) + ".plk"));  // longer than a value
        list.add(file("Ligne\nsuivante.plk"));
        QVERIFY(list.paths().isEmpty());
        list.add(file(QStringLiteral("Crème brûlée.plk")));
        QCOMPARE(RecentProjects(ini()).paths(), QStringList{file(QStringLiteral("Crème brûlée.plk"))});
        QVERIFY(!test::readBytes(ini()).contains("Projet2"));  // no empty keys for nothing
        QVERIFY(RecentProjects::storable(file("Carte.plk")));
    }

    void listSurvivesARestartAndDropsMissingFiles()
    {
        m_fx.start();
        {
            RecentProjectsMenu recents(*m_fx.menu, m_fx.menu->fileMenu());
            QVERIFY(!recents.menu()->isEnabled());
            m_fx.open(test::kExampleProject, 0, "A.plk");                 // Ouvrir
            test::writeBytes(file("B.plk"), test::kExampleProject);
            m_fx.menu->openProjectFile(file("B.plk"));                    // command line
            m_fx.dialogs->files.push_back(Dialogs::FileAnswer{file("C.plk"), 0});
            m_fx.menu->Mnu_ID_Fichier_Click(Fichier::EnregistrerSous);  // B saved as C
            // A template is no project of the user's.
            test::writeBytes(file("Gabarits/Modèle.gab"), test::kExampleProject);
            TemplateMenu templates(*m_fx.menu);
            templates.Mnu_File_Gabarits_Click(0);
            QCOMPARE(m_fx.menu->projectWindows().size(), 3);
            QCOMPARE(recents.projects().paths(), (QStringList{file("C.plk"), file("B.plk"), file("A.plk")}));
            QVERIFY(recents.menu()->isEnabled());
        }
        m_fx.stop();

        m_fx.start();
        RecentProjectsMenu recents(*m_fx.menu, m_fx.menu->fileMenu());
        QCOMPARE(entries(recents), (QStringList{"&1 " + file("C.plk"), "&2 " + file("B.plk"), "&3 " + file("A.plk")}));
        // After every entry of the Fichier menu, "Quitter" still last of them at 14.
        const QList<QAction*> fichier = m_fx.menu->fileMenu()->actions();
        QCOMPARE(fichier.size(), 17);
        QCOMPARE(fichier[14]->text(), QStringLiteral("Quitter"));
        QVERIFY(fichier[15]->isSeparator());
        QCOMPARE(fichier[16]->menu(), recents.menu());
        QCOMPARE(fichier[16]->text(), QStringLiteral("Projets récents"));

        QVERIFY(QFile::remove(file("B.plk")));
        recents.menu()->actions()[1]->trigger();
        QCOMPARE(m_fx.dialogs->shown.last().text,
                 QStringLiteral("Le projet « %1 » n'existe plus. Il est retiré de la liste des projets récents.")
                     .arg(QDir::toNativeSeparators(file("B.plk"))));
        QCOMPARE(m_fx.dialogs->shown.last().icon, Dialogs::Icon::Exclamation);
        QVERIFY(m_fx.menu->projectWindows().isEmpty());
        QCOMPARE(entries(recents), (QStringList{"&1 " + file("C.plk"), "&2 " + file("A.plk")}));
        QCOMPARE(ReadIni(ini(), "RECENTS", "Projet2"), file("A.plk"));

        recents.menu()->actions()[1]->trigger();  // A opens and comes first
        QCOMPARE(m_fx.menu->projectWindows().size(), 1);
        QCOMPARE(m_fx.menu->activeProject()->filePath(), file("A.plk"));
        QCOMPARE(entries(recents), (QStringList{"&1 " + file("A.plk"), "&2 " + file("C.plk")}));
    }
};

PLK_TEST_CLASS(TestRecentProjects)
#include "tst_RecentProjects.moc"
