#pragma once
// Reading and writing one key of an initialisation file: "[section]" lines followed
// by "key=value" lines, Windows-1252, CR LF. Sections and keys match without regard
// to case; every other section, key, comment and blank line is left as it was; the
// file is created by the first write. A missing file or key reads as "".

#include <QString>

namespace plk {

inline constexpr int kIniValueMax = 254;

/// The value of the key, cut to 254 characters.
QString ReadIni(const QString& file, const QString& section, const QString& key);
/// Writes the key; returns "1" when the file was written and "0" otherwise.
QString WriteIni(const QString& file, const QString& section, const QString& key, const QString& value);

}  // namespace plk
