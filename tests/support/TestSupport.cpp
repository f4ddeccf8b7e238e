#include "support/TestSupport.h"
#include "support/HostileFiles.h"

#include <QFile>
#include <QFontDatabase>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

namespace plk::test {

bool hasTahoma() { return QFontDatabase::families().contains(QStringLiteral("Tahoma")); }

namespace {

BatchRun runLimited(const QString& program, const QStringList& args, const QProcessEnvironment& environment,
                    qint64 fileSizeLimit)
{
    QProcess p;
    p.setProcessEnvironment(environment);
    if (fileSizeLimit >= 0)  // a modifier makes QProcess fork: only when it is needed
        p.setChildProcessModifier([fileSizeLimit] { limitFileSizes(fileSizeLimit); });
    p.start(program, args);
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

BatchRun batchLimited(const QStringList& args, const QString& locale, qint64 fileSizeLimit)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    return runLimited(QStringLiteral(PLK_BATCH_EXE), args, env, fileSizeLimit);
}

}  // namespace

BatchRun batch(const QStringList& args, const QString& locale) { return batchLimited(args, locale, -1); }

BatchRun batch(const QStringList& args, qint64 fileSizeLimit)
{
    return batchLimited(args, QStringLiteral("fr_FR.UTF-8"), fileSizeLimit);
}

QString programExe() { return QStringLiteral(PLK_APP_EXE); }

QString sourceFile(const QString& relativePath) { return QStringLiteral(PLK_SOURCE_DIR "/") + relativePath; }

BatchRun run(const QString& program, const QStringList& args, const QProcessEnvironment& environment)
{
    return runLimited(program, args, environment, -1);
}

BatchRun installProgram(const QString& prefix)
{
    return run(QStringLiteral(PLK_CMAKE), {QStringLiteral("--install"), QStringLiteral(PLK_BUILD_DIR),
                                           QStringLiteral("--prefix"), prefix});
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace plk::test
