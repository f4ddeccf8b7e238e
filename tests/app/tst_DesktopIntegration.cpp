// The program on a Linux desktop: what `cmake --install` puts in place (menu entry, file
// types, software-centre description, icons, templates) validates with the desktop's own
// tools, and an installed program keeps the user's files in the user's data folder.

#include "settings/core/AppPaths.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

namespace {

/// A desktop tool from the packages the install script brings.
QString tool(const QString& name)
{
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        qWarning("%s is missing: run scripts/install-deps.sh", qPrintable(name));
    return path;
}

}  // namespace

class TestDesktopIntegration : public QObject {
    Q_OBJECT

    QTemporaryDir m_prefix;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        const test::BatchRun install = test::installProgram(m_prefix.path());
        QVERIFY2(install.exitCode == 0, install.err.constData());
    }

    void programsAndMenuEntry()
    {
        for (const char* program : {"bin/plakatorium", "bin/plakatorium-batch"})
            QVERIFY2(QFileInfo(m_prefix.filePath(program)).isExecutable(), program);
        const QString entry = m_prefix.filePath("share/applications/plakatorium.desktop");
        const QByteArray text = test::readBytes(entry);
        QVERIFY(text.contains("\nExec=plakatorium %F\n"));
        QVERIFY(text.contains("\nMimeType=application/x-plakatorium-project;application/x-plakatorium-template;application/x-glabels;\n"));
        const test::BatchRun check = test::run(tool("desktop-file-validate"), {entry});
        QCOMPARE(check.exitCode, 0);
        QCOMPARE(check.out + check.err, QByteArray());  // not even a hint
    }

    void fileTypes()
    {
        const QString mime = m_prefix.filePath("share/mime");
        QVERIFY(QFileInfo::exists(mime + "/packages/plakatorium.xml"));
        // As the desktop would look for it, so the tool has nothing to warn about.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_DIRS", m_prefix.filePath("share"));
        const test::BatchRun update = test::run(tool("update-mime-database"), {mime}, env);
        QCOMPARE(update.exitCode, 0);
        QCOMPARE(update.err, QByteArray());
        const QByteArray globs = test::readBytes(mime + "/globs2");
        for (const char* glob : {"application/x-plakatorium-project:*.plk", "application/x-plakatorium-project:*.plc",
                                 "application/x-plakatorium-template:*.gab", "application/x-glabels:*.glabels"})
            QVERIFY2(globs.contains(glob), glob);
        QVERIFY(test::readBytes(mime + "/subclasses").contains("application/x-plakatorium-project text/plain"));
    }

    void softwareCentreDescription()
    {
        const QString metainfo = m_prefix.filePath("share/metainfo/io.plakatorium.plakatorium.metainfo.xml");
        QVERIFY(QFileInfo::exists(metainfo));
        const test::BatchRun check =
            test::run(tool("appstreamcli"), {"validate", "--no-net", "--pedantic", "--no-color", metainfo});
        QVERIFY2(check.exitCode == 0, check.out.constData());
        QVERIFY2(!check.out.contains("W:") && !check.out.contains("I:") && !check.out.contains("P:"),
                 check.out.constData());
    }

    void iconsAtEverySize()
    {
        const QString theme = m_prefix.filePath("share/icons/hicolor");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QImage icon(QStringLiteral("%1/%2x%2/apps/plakatorium.png").arg(theme).arg(size));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
            QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);                     // a transparent corner
            QVERIFY(icon.pixelColor(size / 2, size * 3 / 4).alpha() > 0);  // the card
        }
        QVERIFY(QFileInfo::exists(theme + "/scalable/apps/plakatorium.svg"));
    }

    void installedProgramKeepsTheUsersFilesInTheUsersFolder()
    {
        const QStringList shipped = QDir(QStringLiteral(":/templates")).entryList({QStringLiteral("*.gab")}, QDir::Files, QDir::Name);
        const QString installed = m_prefix.filePath("share/plakatorium/Gabarits");
        QCOMPARE(QDir(installed).entryList({QStringLiteral("*.gab")}, QDir::Files, QDir::Name), shipped);
        QVERIFY(QFileInfo(installed + "/Adresses (exemple).csv").isFile());  // the address template's data

        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        const AppPaths paths = AppPaths::forExecutableIn(m_prefix.filePath("bin"));
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(paths.programFolder(), home.filePath("Plakatorium"));
        QCOMPARE(paths.installedTemplatesFolder(), installed);

        // Unpacked in a folder of its own, the program keeps its files beside itself.
        QTemporaryDir portable;
        const AppPaths beside = AppPaths::forExecutableIn(portable.path());
        QCOMPARE(beside.programFolder(), portable.path());
        QVERIFY(beside.installedTemplatesFolder().isEmpty());
    }
};

PLK_TEST_CLASS(TestDesktopIntegration)
#include "tst_DesktopIntegration.moc"
