#pragma once
// Writing a whole file so that a failure leaves the previous file as it was: the bytes
// go to a temporary file beside it, which replaces the file only once all is written.

#include <QByteArray>
#include <QString>

class QIODevice;

namespace plk {

class FileWriter {
public:
    virtual ~FileWriter() = default;

    /// Replaces the file's content with the bytes. Returns an empty string on success,
    /// otherwise the system's reason; the previous file is then untouched.
    QString write(const QString& path, const QByteArray& bytes) const;

protected:
    /// Puts the bytes into the open temporary file: an empty string when all of them
    /// went, otherwise why not. A test writer overrides it to fail part way.
    virtual QString put(QIODevice& file, const QByteArray& bytes) const;
};

}  // namespace plk
