#pragma once
// The mail-merge settings of a tab and their record in the project file:
//
//     FUSION|path of the data file|first label
//
// written after the tab's PRINT record, only when the tab names a data file, so a
// project without one is written exactly as before; a reader that does not know
// the record passes over it. The first label is the position (from 1, across then
// down) of the first sheet where the first row goes, for a sheet already partly used.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace plk {

inline const QString kMergeKeyword = QStringLiteral("FUSION");

struct MergeSettings {
    /// The data file: absolute once the project's folder is known, as stored otherwise.
    QString dataFile;
    /// The file is stored relative to the project file's folder.
    bool relative = false;
    std::int16_t firstLabel = 1;
    /// Read from a project whose folder tree does not hold the file: it is read only
    /// once the user agreed (see LinkedFiles.h). Never written to the file.
    bool needsConsent = false;

    bool active() const { return !dataFile.isEmpty(); }
    bool operator==(const MergeSettings&) const = default;
};

/// The settings for a data file the user chose: stored relative when it lies in the
/// project file's folder (or below it), so the two can move together.
MergeSettings chosenDataFile(const QString& path, const QString& projectFolder, std::int16_t firstLabel = 1);

/// Whether a path can be stored in a record: no "|" or line break, and every
/// character in the project file's code page.
bool storablePath(const QString& path);

/// The tab's record, without line end; empty when the tab names no data file. A
/// relative file is written relative to `projectFolder`, the folder of the file
/// being written, even when that is not the folder it was read from.
QString mergeRecord(const MergeSettings& settings, const QString& projectFolder);

/// The settings a FUSION record holds (fields split at "|", keyword first); a
/// relative path is resolved against `projectFolder` when there is one, and a file
/// outside that folder's tree needs the user's consent. Throws
/// FormatError when the first label is not a number; a number out of range is
/// brought back to it.
MergeSettings readMergeRecord(const QStringList& fields, const QString& projectFolder);

}  // namespace plk
