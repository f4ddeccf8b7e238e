// Two real starts of the program: the second hands the files it was given to the first,
// which opens them (its list of recent projects, written at once, shows it), and ends
// without showing anything.

#include "app/ui/SingleInstance.h"
#include "base/core/IniFile.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

class TestSingleInstance : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_first;

    QString programFolder() const { return m_dir.filePath("programme"); }
    QString runtimeFolder() const { return m_dir.filePath("runtime"); }
    QString recent(int n) const
    {
        return ReadIni(programFolder() + "/Plakatorium.ini", "RECENTS", QStringLiteral("Projet%1").arg(n));
    }

    /// The program in a folder of its own (its settings go there), with a runtime
    /// folder of its own for the lock and the socket.
    void prepare(QProcess& process) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtimeFolder());
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_dir.path());
        process.setProgram(programFolder() + "/plakatorium");
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(programFolder()));
        QVERIFY(QDir().mkdir(runtimeFolder()));
        QVERIFY(QFile::setPermissions(runtimeFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFile::copy(test::programExe(), programFolder() + "/plakatorium"));
        test::writeBytes(m_dir.filePath("Premier.plk"), test::kExampleProject);
        test::writeBytes(m_dir.filePath("Second.plk"), test::kExampleProject);
    }

    void cleanupTestCase()
    {
        if (m_first.state() != QProcess::NotRunning) {
            m_first.kill();
            m_first.waitForFinished();
        }
    }

    void firstStartOpensItsArgument()
    {
        prepare(m_first);
        m_first.setArguments({"Premier.plk"});
        m_first.start();
        QVERIFY(m_first.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(recent(1), m_dir.filePath("Premier.plk"), 60000);
        QVERIFY(QFileInfo::exists(SingleInstance(runtimeFolder()).channelName()));
    }

    void secondStartHandsItsFileOverAndEnds()
    {
        QProcess second;
        prepare(second);
        second.setArguments({"Second.plk"});  // relative to its own folder
        second.start();
        QVERIFY(second.waitForFinished(60000));  // a message box would keep it waiting
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(recent(1), m_dir.filePath("Second.plk"), 60000);
        QCOMPARE(recent(2), m_dir.filePath("Premier.plk"));
        QCOMPARE(m_first.state(), QProcess::Running);
    }

    void handOverNeedsFilesAndARunningInstance()
    {
        QTemporaryDir empty;
        SingleInstance nobody(empty.path());
        QVERIFY(nobody.acquire());
        QVERIFY(!nobody.handOver({m_dir.filePath("Premier.plk")}));  // nobody listens there
        SingleInstance later(runtimeFolder());
        QVERIFY(!later.acquire());  // the first start holds the lock
        QVERIFY(!later.handOver({}));
    }
};

PLK_TEST_CLASS(TestSingleInstance)
#include "tst_SingleInstance.moc"
