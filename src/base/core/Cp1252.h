#pragma once
// Project, template, legacy and settings files are Windows-1252 on disk.

#include <QByteArray>
#include <QString>

namespace plk {

/// Characters with no Windows-1252 form become '?'.
QByteArray toCp1252(const QString& text);
/// True when every character has a Windows-1252 form.
bool fitsCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);

}  // namespace plk
