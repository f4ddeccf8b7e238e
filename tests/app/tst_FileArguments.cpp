// Files named on the command line open as "Ouvrir un projet..." opens the file it is
// given; files handed over by a later start bring the main window to the front.

#include "app/ui/FileArguments.h"
#include "MainWindowTests.h"

using namespace plk;

namespace {

const QByteArray kLegacy = "[FORMAT]\r\nLongueur=2835\r\nHauteur=2835\r\n[LABEL]\r\nNombre=0\r\n"
                           "[LOGO]\r\nNombre=0\r\n[FOND]\r\nNumero=0\r\n";

}  // namespace

class TestFileArguments : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;

    QString file(const QString& name) const { return m_fx.dir.filePath(name); }

private Q_SLOTS:
    void init() { m_fx.start(); }
    void cleanup() { m_fx.stop(); }

    void argumentsBecomeAbsolutePaths()
    {
        const FileArguments args({"plakatorium", "Carte.plk", "/tmp/Ancien.prj", "file:///tmp/Deux%20mots.plk", ""});
        QCOMPARE(args.files(), (QStringList{QDir::current().absoluteFilePath("Carte.plk"), "/tmp/Ancien.prj",
                                            "/tmp/Deux mots.plk"}));
        QVERIFY(FileArguments({"plakatorium"}).files().isEmpty());
    }

    void eachFileOpensInAWindowOfItsOwn()
    {
        test::writeBytes(file("Carte.plk"), test::kExampleProject);
        test::writeBytes(file("ANCIEN.PRJ"), kLegacy);
        const FileArguments args({"plakatorium", file("Carte.plk"), file("ANCIEN.PRJ")});
        args.openIn(*m_fx.menu);
        const QList<frmProjet*> windows = m_fx.menu->projectWindows();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->caption(), QStringLiteral("Carte"));
        QCOMPARE(windows[0]->filePath(), file("Carte.plk"));
        QCOMPARE(windows[0]->surface(1).prjWidth(), 85.5);
        // ".prj", whatever its case, goes through the legacy import.
        QCOMPARE(windows[1]->tabStrip()->tabText(0), QStringLiteral("ANCIEN"));
        QCOMPARE(windows[1]->surface(1).prjWidth(), 50.0);
        QCOMPARE(windows[1]->filePath(), file("ANCIEN.PRJ"));
        QVERIFY(m_fx.dialogs->shown.isEmpty());
    }

    void failuresSayWhatOuvrirSays()
    {
        test::writeBytes(file("Casse.prj"), "[FORMAT]\r\n");
        test::writeBytes(file("Partiel.plk"), test::kExampleProject + "LABEL|x|dix\r\n");
        const QStringList files{file("Absent.plk"), file("Casse.prj"), file("Partiel.plk")};

        FileArguments(QStringList{"plakatorium"} + files).openIn(*m_fx.menu);
        QList<QString> fromArguments;
        for (const auto& shown : m_fx.dialogs->shown)
            fromArguments << shown.text;
        QCOMPARE(fromArguments.size(), 3);
        QCOMPARE(m_fx.menu->projectWindows().size(), 1);  // what could be read of Partiel
        m_fx.closeProjects();

        m_fx.dialogs->shown.clear();
        for (const QString& f : files)
            m_fx.open(test::readBytes(f), f.endsWith(".prj") ? 1 : 0, QFileInfo(f).fileName());
        QList<QString> fromOuvrir;
        for (const auto& shown : m_fx.dialogs->shown)
            if (shown.kind == QStringLiteral("message"))
                fromOuvrir << shown.text;
        // "Absent.plk" exists by now (the fixture writes what it opens): two messages.
        QCOMPARE(fromOuvrir, fromArguments.mid(1));
        QVERIFY(fromOuvrir[0].contains("ne peut pas être importé"));
        QVERIFY(fromOuvrir[1].contains("ligne 6"));
        QCOMPARE(m_fx.menu->activeProject()->surface(1).IDlabel(), std::int16_t(1));  // Partiel, as far as it reads
        QVERIFY(fromArguments[0].startsWith(QStringLiteral("Le fichier « %1 » ne peut pas être ouvert.")
                                                .arg(QDir::toNativeSeparators(file("Absent.plk")))));
    }

    void handedOverFilesBringTheWindowToTheFront()
    {
        test::writeBytes(file("Carte.plk"), test::kExampleProject);
        m_fx.menu->showMinimized();
        FileArguments::openHandedOver(*m_fx.menu, {file("Carte.plk")});
        QVERIFY(!m_fx.menu->isMinimized());
        QCOMPARE(m_fx.menu->projectWindows().size(), 1);
        QCOMPARE(m_fx.menu->activeProject()->filePath(), file("Carte.plk"));
    }
};

PLK_TEST_CLASS(TestFileArguments)
#include "tst_FileArguments.moc"
