#include "support/TestSupport.h"

#include "app/core/Fonts.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

namespace plk::test {

void initFonts() { registerProgramFonts(); }

BatchRun batch(const QStringList& args, const QString& locale)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(PLK_BATCH_EXE), args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
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
