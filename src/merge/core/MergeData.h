#pragma once
// A tab's data file, read when its labels are printed, previewed or shown with a
// row's values, and checked against the markers of the tab's texts.

#include "merge/core/DataTable.h"
#include "merge/core/MergeSettings.h"

#include <QString>
#include <QStringList>

namespace plk {

struct MergeData {
    DataTable table;
    /// Why the file could not be read (naming it): then nothing is printed.
    QString error;
    /// Markers of the texts that name no field: printed as typed, after a warning.
    QStringList unknown;
    /// What the user should know of a file that was read (bytes read as Windows-1252).
    QString warning;

    bool ok() const { return error.isEmpty(); }
};

/// Reads the data file of the settings (refused when it needs a consent it does not
/// have) and checks the texts' markers against it.
MergeData loadMergeData(const MergeSettings& settings, const QStringList& texts);

/// The warning shown before printing when markers name no field.
QString unknownMarkersWarning(const QStringList& unknown);

}  // namespace plk
