#pragma once
// The records that follow a tab's PRINT, PLANCHE and FUSION records with what the
// print set-up adds: the paper (PAPIER), the label's outline (FORME), the print
// options (OPTIONS) and every grid of a maker's sheet (GRILLES). Each is written only when it differs from the default, so that a
// tab using none of them is written as before.

#include "base/core/Records.h"
#include "base/core/RegionalFormat.h"

#include <QStringList>

namespace plk {

/// Whether the keyword is one of these records.
bool isPrintExtension(const QString& keyword);
/// The settings with the record's values; throws FormatError for a value out of bounds.
PrintSettings readPrintExtension(const QStringList& fields, const RegionalFormat& format, PrintSettings settings);
/// The records the settings need, each ended by CR LF; empty for the defaults.
QString printExtensionRecords(const PrintSettings& settings, const RegionalFormat& format);

}  // namespace plk
