#pragma once
// Files named by a project, a settings file or the user are opened for reading only
// when they are regular files. A FIFO would block the program in open() forever, a
// device may never end, a folder is no file: all of them are treated as missing.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>
#include <optional>

namespace plk {

/// True when the path names an existing regular file (links are followed).
bool isRegularFile(const QString& path);

/// Which version of a file a path names: when it was last changed and its size.
struct FileStamp {
    qint64 modifiedNs = 0;  // since the epoch
    qint64 size = 0;
};
/// The version of the regular file a path names; nothing when it names none.
std::optional<FileStamp> regularFileStamp(const QString& path);
/// The version of a file opened by openRegularFile (should its name have been given
/// to another file since).
std::optional<FileStamp> regularFileStamp(const QFile& opened);

/// The file opened for reading, or null when it is not a regular file or cannot be
/// opened; `reason` then says why, in French. Neither opening nor reading blocks: a
/// file of the system that says it is regular but has nothing to give for now (as
/// /proc/kmsg) fails its read instead of waiting.
std::unique_ptr<QFile> openRegularFile(const QString& path, QString* reason = nullptr);

/// How long a file may give no data before its reading is abandoned.
inline constexpr int kReadIdleLimitMs = 5000;

/// The whole content of a regular file of at most `maxBytes` bytes; nothing (with the
/// reason) when the file is not a regular file, cannot be read, is larger, or gives
/// no data for `idleLimitMs`.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, QString* reason = nullptr,
                                          int idleLimitMs = kReadIdleLimitMs);

/// The rest of an open, non-blocking descriptor, as readRegularFile reads it.
std::optional<QByteArray> readAvailable(int fd, qint64 maxBytes, int idleLimitMs, QString* reason = nullptr);

}  // namespace plk
