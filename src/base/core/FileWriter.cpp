#include "base/core/FileWriter.h"

#include <QSaveFile>

namespace plk {

QString FileWriter::write(const QString& path, const QByteArray& bytes) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QString reason = put(file, bytes);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString FileWriter::put(QIODevice& file, const QByteArray& bytes) const
{
    return file.write(bytes) == bytes.size() ? QString() : file.errorString();
}

}  // namespace plk
