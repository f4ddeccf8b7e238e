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
/// The record of the counter, dates and copies (see CounterSettings and below):
///
///     FUSIONOPT|start|step|width|per sheet|carry on|date format|time format|copies field
///
/// written after FUSION (or alone, for a counter without a data file) only when one
/// of them differs from its default; numbers in plain digits, booleans 0 or 1, empty
/// formats for the user's regional ones. Fields missing at the end keep their defaults.
inline const QString kMergeOptionsKeyword = QStringLiteral("FUSIONOPT");

/// The counter «N°»: start, start + step, ... from the first label printed (or the
/// first sheet, per sheet), written with at least `width` digits (zeros in front).
struct CounterSettings {
    static constexpr qint64 kMaxStart = 999999999;
    static constexpr int kMaxStep = 1000000;
    static constexpr int kMaxWidth = 12;

    qint64 start = 1;
    int step = 1;
    int width = 0;
    bool perSheet = false;
    /// After a print run, the start becomes the value that follows the last one printed.
    bool carryOn = false;

    bool operator==(const CounterSettings&) const = default;
};

struct MergeSettings {
    /// The data file: absolute once the project's folder is known, as stored otherwise.
    QString dataFile;
    /// The file is stored relative to the project file's folder.
    bool relative = false;
    std::int16_t firstLabel = 1;
    /// Read from a project whose folder tree does not hold the file: it is read only
    /// once the user agreed (see LinkedFiles.h). Never written to the file.
    bool needsConsent = false;
    CounterSettings counter{};
    /// Formats of «Date» and «Heure» (as QDate::toString takes them); empty: the
    /// user's regional short format.
    QString dateFormat{};
    QString timeFormat{};
    /// The field whose value gives each row's number of labels; empty: one each.
    QString copiesField{};

    bool active() const { return !dataFile.isEmpty(); }
    /// Whether the counter, dates or copies differ from their defaults.
    bool hasOptions() const;
    bool operator==(const MergeSettings&) const = default;
};

/// The settings for a data file the user chose: stored relative when it lies in the
/// project file's folder (or below it), so the two can move together.
MergeSettings chosenDataFile(const QString& path, const QString& projectFolder, std::int16_t firstLabel = 1);

/// Whether a path can be stored in a record: no "|" or line break, and every
/// character in the project file's code page.
bool storablePath(const QString& path);

/// Whether a format or a field name can be stored in a record: no "|" or line break,
/// and every character in the project file's code page.
bool storableText(const QString& text);

/// The tab's records, without the last line end: FUSION when it names a data file,
/// then FUSIONOPT when it has options; empty when it has neither. A relative file is
/// written relative to `projectFolder`, the folder of the file being written, even
/// when that is not the folder it was read from.
QString mergeRecord(const MergeSettings& settings, const QString& projectFolder);

/// Reads a FUSIONOPT record (fields split at "|", keyword first) into the settings.
/// Throws FormatError when a number is not one; numbers out of range are brought back.
void readMergeOptions(const QStringList& fields, MergeSettings& settings);

/// The settings for the next print run once `counted` counter values were used: with
/// carry on, the counter starts after the last of them.
MergeSettings carriedOn(const MergeSettings& settings, qint64 counted);

/// The settings a FUSION record holds (fields split at "|", keyword first); a
/// relative path is resolved against `projectFolder` when there is one, and a file
/// outside that folder's tree needs the user's consent. Throws
/// FormatError when the first label is not a number; a number out of range is
/// brought back to it.
MergeSettings readMergeRecord(const QStringList& fields, const QString& projectFolder);

}  // namespace plk
