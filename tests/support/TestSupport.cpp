#include "support/TestSupport.h"

#include <QFile>
#include <QFontDatabase>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

namespace plk::test {

bool hasTahoma() { return QFontDatabase::families().contains(QStringLiteral("Tahoma")); }

BatchRun batch(const QStringList& args, const QString& locale)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    return run(QStringLiteral(PLK_BATCH_EXE), args, env);
}

QString programExe() { return QStringLiteral(PLK_APP_EXE); }

QString sourceFile(const QString& relativePath) { return QStringLiteral(PLK_SOURCE_DIR "/") + relativePath; }

BatchRun run(const QString& program, const QStringList& args, const QProcessEnvironment& environment)
{
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(program, args);
    if (!p.waitForFinished(120000))
        return {-1, p.readAllStandardOutput(), p.readAllStandardError()};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
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
