#pragma once
// The records of a tab's print set-up that place other designs on its sheets, after
// its PRINT, PLANCHE and FUSION records, only when the tab uses them:
//
//     POSITIONS|first|last|tab     positions first..last of the sheet show tab's design
//     VERSO|tab|flip               tab is printed on the back; flip 0 long edge, 1 short edge

#include "base/core/RegionalFormat.h"
#include "base/core/Records.h"

#include <QString>
#include <QStringList>

namespace plk {

inline const QString kPositionsKeyword = QStringLiteral("POSITIONS");
inline const QString kVersoKeyword = QStringLiteral("VERSO");
/// A sheet has at most 20 x 20 positions.
inline constexpr int kMaxSheetPosition = 400;
/// Tabs are numbered within a project's 16-bit counts.
inline constexpr int kMaxTabNumber = 32767;

/// Reads a POSITIONS or VERSO record (fields split at "|", keyword first) into the
/// print settings; throws FormatError on a value out of its bounds.
void readSheetRecord(PrintSettings& settings, const QStringList& fields, const RegionalFormat& format);
/// The records of the settings, each ending in CR LF; empty when it has none.
QString sheetRecords(const PrintSettings& settings);

}  // namespace plk
