// Another user plants a lock and a socket where the program would look for its running
// instance: the program starts all the same, opens its file, and hands nothing over.

#include "app/core/InstanceFolder.h"
#include "base/core/IniFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace plk;

namespace {

uid_t nobody()
{
    const passwd* entry = ::getpwnam("nobody");
    return entry ? entry->pw_uid : 0;
}

void giveToNobody(const QString& path)
{
    QVERIFY(::lchown(QFile::encodeName(path).constData(), nobody(), nobody()) == 0);
}

}  // namespace

class TestInstanceFolder : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    /// A live lock and a listening socket in `folder`, both given to nobody.
    void plant(const QString& folder, QLockFile& lock, QLocalServer& server, int& connections)
    {
        QVERIFY(lock.tryLock());
        giveToNobody(folder + "/plakatorium.lock");
        QLocalServer::removeServer(folder + "/plakatorium.socket");
        server.setSocketOptions(QLocalServer::WorldAccessOption);
        QVERIFY(server.listen(folder + "/plakatorium.socket"));
        giveToNobody(folder + "/plakatorium.socket");
        connect(&server, &QLocalServer::newConnection, this, [&connections] { ++connections; });
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (::geteuid() != 0 || nobody() == 0)
            QSKIP("the files of another user can be made only by root (as in CI), with a user nobody");
        QVERIFY(QDir().mkpath(path("programme")));
        QVERIFY(QFile::copy(test::programExe(), path("programme/plakatorium")));
        test::writeBytes(path("Victime.plk"), test::kExampleProject);
    }

    void plantedLockAndSocketAreNeverUsed_data()
    {
        QTest::addColumn<bool>("runtimeOfNobody");
        QTest::newRow("runtime and temporary folders of another user") << true;
        QTest::newRow("files of another user in the user's own folder") << false;
    }

    void plantedLockAndSocketAreNeverUsed()
    {
        QFETCH(bool, runtimeOfNobody);
        QTemporaryDir root(path("case-XXXXXX"));
        const QString runtime = root.filePath("runtime");
        const QString temporary = root.filePath("tmp");
        QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(temporary + "/runtime-root"));
        QVERIFY(::chmod(QFile::encodeName(runtime).constData(), S_IRWXU) == 0);
        if (runtimeOfNobody) {
            giveToNobody(runtime);
            giveToNobody(temporary + "/runtime-root");
            QVERIFY(::chmod(QFile::encodeName(temporary).constData(), 01777) == 0);
        }
        // Where the program looked before: the runtime folder, else the temporary folder.
        const QString planted = runtimeOfNobody ? temporary : runtime;
        QLockFile lock(planted + "/plakatorium.lock");
        QLocalServer server;
        int connections = 0;
        plant(planted, lock, server, connections);
        QLockFile lockInRuntime(runtime + "/plakatorium.lock");
        QLocalServer serverInRuntime;
        if (runtimeOfNobody)
            plant(runtime, lockInRuntime, serverInRuntime, connections);

        QProcess victim;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime);
        env.insert("TMPDIR", temporary);
        env.insert("XDG_CACHE_HOME", root.filePath("cache"));
        victim.setProcessEnvironment(env);
        victim.start(path("programme/plakatorium"), {path("Victime.plk")});
        QVERIFY(victim.waitForStarted());
        const QString settings = path("programme/Plakatorium.ini");
        QTRY_COMPARE_WITH_TIMEOUT(ReadIni(settings, "RECENTS", "Projet1"), path("Victime.plk"), 60000);
        QCOMPARE(victim.state(), QProcess::Running);
        QCOMPARE(connections, 0);
        const QString own = runtimeOfNobody ? root.filePath("cache/plakatorium-instance") : runtime;
        QVERIFY(isPrivateFolder(own));
        QVERIFY(QFileInfo(own + "/plakatorium.socket").ownerId() == 0);
        victim.kill();
        victim.waitForFinished();
        QFile::remove(settings);
    }
};

QTEST_MAIN(TestInstanceFolder)
#include "tst_InstanceFolder.moc"
