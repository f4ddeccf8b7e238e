#pragma once
// Shared set-up of the test programs: the program's fonts, pinned regional formats,
// and small file helpers.

#include "base/core/RegionalFormat.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace plk::test {

/// Whether Tahoma (package fonts-wine) is there, registered as the program does by the tests'
/// main: texts measured in pixels, and fonts the program falls back to, depend on it.
bool hasTahoma();

/// The example project of the file format's documentation, in French form.
inline const QByteArray kExampleProject =
    "ONGLET|Carte\r\n"
    "PROJET|Carte|85,5|54|-2147483643|-2147483642|Faux|Faux|Vrai|Faux|Faux\r\n"
    "LABEL|ZONE DE TEXTE|5|5|Tahoma|8|Faux|Faux|Faux|Faux|-2147483630\r\n"
    "FOND|1|-2147483643\r\n"
    "PRINT|0|0|0|0|1|0|0|0|0|1|1\r\n";

inline RegionalFormat french() { return RegionalFormat::forLocale(QStringLiteral("fr_FR.UTF-8")); }
inline RegionalFormat english() { return RegionalFormat::forLocale(QStringLiteral("en_US.UTF-8")); }

/// What a run of plakatorium-batch (or another program) printed and returned.
struct BatchRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

/// Runs plakatorium-batch with the arguments under the given regional settings.
BatchRun batch(const QStringList& args, const QString& locale = QStringLiteral("fr_FR.UTF-8"));

/// The program itself, as built.
QString programExe();
/// A file of the source tree, by its path from the tree's top.
QString sourceFile(const QString& relativePath);
/// Runs a program; its exit code and output (exit code -1 when it did not finish).
BatchRun run(const QString& program, const QStringList& args,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
/// Installs the built program under `prefix`, as `cmake --install` does.
BatchRun installProgram(const QString& prefix);

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

}  // namespace plk::test

#define PLK_REQUIRE_TAHOMA()          \
    if (!plk::test::hasTahoma())      \
    QSKIP("needs the font Tahoma from the package fonts-wine, which scripts/install-deps.sh installs")
