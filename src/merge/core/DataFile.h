#pragma once
// Reading a mail-merge data file: a CSV file as spreadsheets write it.
//
// - Values are separated by ";", "," or a tab: the one the first row uses most
//   outside quotes (";" first on a tie, as French spreadsheets write it); a first
//   row with none of them is a file of one field.
// - A value in double quotes may hold separators, line breaks and doubled quotes
//   ("" for one "); a quote inside an unquoted value is an ordinary character.
// - Rows end at CR LF, LF or CR; a line break inside quotes becomes LF.
// - UTF-8 with or without its byte-order mark (or UTF-16 with its mark); bytes that
//   are no valid UTF-8 are read each as its Windows-1252 character (DataText.h).
// - The first row names the fields; every other row is one label.
// - A file whose first line opens a vCard is an address book instead (VCardFile.h).
//
// The file is untrusted: only regular files are read, at most 32 MiB, 1000 fields,
// 100,000 rows and values of 10,000 characters (kMaxTextLength); every failure is a French sentence naming the file and, where
// it applies, the line.

#include "merge/core/DataTable.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace plk {

inline constexpr int kMaxDataRows = 100000;
inline constexpr int kMaxDataFields = 1000;
inline constexpr std::int64_t kMaxDataFileBytes = 32 * 1024 * 1024;

struct DataFileResult {
    DataTable table;
    QString error;  // what went wrong, for the user; empty when the file was read
    QString warning;  // what the user should know of a file that was read (naming the line)

    bool ok() const { return error.isEmpty(); }
};

/// Reads the data file at the path.
DataFileResult readDataFile(const QString& path);
/// The same from the file's bytes; `name` names the file in the messages.
DataFileResult readDataBytes(const QByteArray& bytes, const QString& name);

/// The text of a data file's bytes (see the encodings above).
QString decodeDataText(const QByteArray& bytes);

}  // namespace plk
