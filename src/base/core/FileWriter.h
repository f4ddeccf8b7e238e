#pragma once
// Writing a whole file so that it is, at every moment, either the previous file or the
// complete new one: the content goes to a temporary file beside it, which takes the
// file's name only once all of it was written without error (and is on disk). A failed
// save, or one cut short by a crash or a kill, leaves the previous file as it was.

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <functional>

namespace plk {

/// The temporary file of a save. Writes are gathered into pieces of 64 KiB before they
/// go to the system (a PDF writer writes tens of bytes at a time); every piece reaches
/// the system whole or fails with the system's reason: a disk that fills up in the
/// middle of a write is an error, not a short write that a writer might ignore.
class WholeSaveFile final : public QSaveFile {
public:
    /// `progress` is told the bytes handed to the system so far after each piece, and
    /// -1 just before the new file takes the target's name.
    explicit WholeSaveFile(const QString& target, std::function<void(qint64)> progress = {});
    /// Opens the temporary file; the pieces are this object's, not Qt's, so that every
    /// failure of the system is seen here.
    bool openForWriting();
    /// Hands the bytes gathered so far to the system; false when it refused them.
    bool flushPieces();
    /// Makes the new file the target's, once the last piece is written; false when
    /// anything went wrong (the temporary file is then removed with the object).
    bool commitWhole();
    /// Whether the system refused a write (the save cannot succeed any more).
    bool writeFailed() const { return !m_writeFailure.isEmpty(); }
    /// Why the save failed: the system's own reason, or `fallback` when it gave none.
    QString failure(const QString& fallback) const;

    /// Writes what was gathered first: a writer that goes back (TIFF) patches the file.
    bool seek(qint64 offset) override;
    /// The file's size with what was gathered.
    qint64 size() const override;

protected:
    qint64 writeData(const char* data, qint64 length) override;

private:
    std::function<void(qint64)> m_progress;
    QByteArray m_pending;  // gathered, not yet handed to the system
    qint64 m_written = 0;
    QString m_writeFailure;  // the first write that failed, and why
};

class FileWriter {
public:
    virtual ~FileWriter() = default;

    /// Replaces the file's content with the bytes. Returns an empty string on success,
    /// otherwise the reason (the system's own, in the user's language); the previous
    /// file is then untouched.
    QString write(const QString& path, const QByteArray& bytes) const;
    /// The same with what `content` writes into the open temporary file. Content that
    /// cannot be produced returns why, which abandons the save (a write the system
    /// refused is reported in the system's words instead).
    QString write(const QString& path, const std::function<QString(QIODevice&)>& content) const;
    /// The same for a file in a folder others may write into: a link with the file's
    /// name is replaced, never followed. The new file is written in a folder of the
    /// program's own made beside it, then takes the name.
    QString replace(const QString& path, const std::function<QString(QIODevice&)>& content) const;

protected:
    /// Puts the bytes into the open temporary file: an empty string when all of them
    /// went, otherwise why not. A test writer overrides it to fail part way.
    virtual QString put(QIODevice& file, const QByteArray& bytes) const;
    /// Told the bytes handed to the system so far, and -1 once all is written, just
    /// before the new file takes the name. A test writer overrides it to stop the
    /// program at a chosen moment of a save.
    virtual void progress(qint64 bytesWritten) const { (void)bytesWritten; }
};

}  // namespace plk
