#pragma once
// The project file: one "|"-separated record per line, CR LF, Windows-1252.
// For each tab: ONGLET, PROJET, LABEL..., LOGO..., CODE..., FOND, PRINT, PLANCHE for a tab made
// for a known sheet of labels, FUSION for a tab that names a data file, POSITIONS and VERSO
// for a tab whose sheets show other tabs' designs. Templates
// use the same format. A project with a character Windows-1252 cannot hold is written
// in UTF-8 instead, after a byte-order mark, so that no character is lost.

#include "base/core/FileWriter.h"
#include "base/core/RegionalFormat.h"
#include "document/core/Project.h"

#include <QString>

namespace plk {

struct ReadResult {
    enum class Status { Complete, CannotOpen, StoppedAtRecord };
    Status status = Status::Complete;
    int line = 0;        // the record that stopped the reading, counted from 1
    QString reason;      // what was wrong with it, or why the file did not open

    bool ok() const { return status == Status::Complete; }
};

/// Reads the file into a project that has its first tab already. Reading stops at the
/// first record that does not convert; every tab and object read before it stays. A
/// data file named relative to the project file is found beside it.
ReadResult readProjectFile(const QString& path, Project& project,
                           const RegionalFormat& format = RegionalFormat::system());
/// The same from the file's bytes; relative data files are resolved against
/// `projectFolder` when one is given.
ReadResult readProjectData(const QByteArray& data, Project& project,
                           const RegionalFormat& format = RegionalFormat::system(),
                           const QString& projectFolder = QString());

/// Empties tab `index` and reads one tab's records (its ONGLET record first) back into it.
ReadResult readTabText(const QString& text, Project& project, int index,
                       const RegionalFormat& format = RegionalFormat::system(),
                       const QString& projectFolder = QString());

/// The records of tab `index` as the file holds them, ONGLET first (a data file stored
/// relative written relative to `projectFolder` when one is given, else as it is held).
QString tabFileText(Project& project, int index, const RegionalFormat& format = RegionalFormat::system(),
                    const QString& projectFolder = QString());

/// The whole file's text for the project (counts of 0 in the print settings become 1
/// in the tabs themselves). Data files stored relative are written relative to
/// `projectFolder`, the folder of the file being written.
QString projectFileText(Project& project, const RegionalFormat& format = RegionalFormat::system(),
                        const QString& projectFolder = QString());

/// Writes the project to the path through the writer, which leaves the previous file
/// intact when the save fails or is cut short. Returns an empty string on success,
/// otherwise the system's reason.
QString writeProjectFile(const QString& path, Project& project,
                         const RegionalFormat& format = RegionalFormat::system(),
                         const FileWriter& writer = FileWriter());

/// The file's bytes for its text: Windows-1252 when every character fits, otherwise
/// UTF-8 after a byte-order mark; and back.
QByteArray encodeProjectText(const QString& text);
QString decodeProjectText(const QByteArray& data);
/// The folder of the project's file, against which its relative data files are
/// read and written; empty while the project has no file.
QString projectFolder(const Project& project);

/// The file's name without its last four characters (".plk"), as windows show it.
QString captionFromFileTitle(const QString& fileTitle);

}  // namespace plk
