#include "support/TestSupport.h"

#include "app/core/Fonts.h"

#include <QFile>
#include <QtTest>

namespace plk::test {

void initFonts() { registerProgramFonts(); }

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
