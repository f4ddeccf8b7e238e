#pragma once
// The system's reasons for a failed file operation, in French. The C library gives
// them in the language of the user's messages settings, and Qt gives some of them in
// English whatever the settings: the program's messages are French throughout.

#include <QString>

namespace plk {

/// The reason for the system's error number (errno), in French.
QString systemReason(int error);

/// A reason Qt gave (its texts for the system's error numbers), with the English
/// texts of those numbers put in French; any other text is left as it is.
QString inFrench(const QString& reason);

}  // namespace plk
