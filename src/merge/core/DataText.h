#pragma once
// The text of a data file's bytes. Spreadsheets write UTF-8 (with or without its
// byte-order mark), UTF-16 with its mark, or Windows-1252; a file pasted together from
// several sources may be UTF-8 with a few stray Windows-1252 bytes. Each valid UTF-8
// sequence is read as UTF-8 and each byte that is not part of one as its Windows-1252
// character, so that one stray byte does not spoil every accent of the file.

#include <QByteArray>
#include <QString>

namespace plk {

struct DataText {
    QString text;
    /// The line (from 1) of the first byte read as Windows-1252 in a file that is
    /// otherwise UTF-8; 0 when the file is all UTF-8 or all Windows-1252.
    int mixedLine = 0;
};

DataText decodeData(const QByteArray& bytes);

}  // namespace plk
