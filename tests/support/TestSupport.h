#pragma once
// Shared set-up of the test programs: the program's fonts, pinned regional formats,
// and small file helpers.

#include "document/core/RegionalFormat.h"

#include <QByteArray>
#include <QString>

namespace plk::test {

/// Registers the fonts the program itself registers (Tahoma).
void initFonts();

inline RegionalFormat french() { return RegionalFormat::forLocale(QStringLiteral("fr_FR.UTF-8")); }
inline RegionalFormat english() { return RegionalFormat::forLocale(QStringLiteral("en_US.UTF-8")); }

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

}  // namespace plk::test
