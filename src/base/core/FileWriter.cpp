#include "base/core/FileWriter.h"

#include "base/core/SystemReason.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace plk {

// --- the temporary file -------------------------------------------------------------

WholeSaveFile::WholeSaveFile(const QString& target, std::function<void(qint64)> progress)
    : QSaveFile(target), m_progress(std::move(progress))
{
}

bool WholeSaveFile::openUnbuffered() { return QSaveFile::open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

bool WholeSaveFile::commitWhole()
{
    if (writeFailed())
        return false;
    if (m_progress)
        m_progress(-1);
    return commit();
}

QString WholeSaveFile::failure(const QString& fallback) const
{
    if (writeFailed())
        return m_writeFailure;
    return error() == QFileDevice::NoError ? fallback : inFrench(errorString());
}

qint64 WholeSaveFile::writeData(const char* data, qint64 length)
{
    // The system may take part of a write when the disk is nearly full; the rest is
    // then written again, which fails with the reason.
    qint64 done = 0;
    while (done < length) {
        const qint64 n = QSaveFile::writeData(data + done, length - done);
        if (n <= 0) {
            // Kept: a later write that succeeds would clear the device's error.
            if (m_writeFailure.isEmpty())
                m_writeFailure = error() == QFileDevice::NoError ? QStringLiteral("écriture incomplète") : inFrench(errorString());
            return -1;
        }
        done += n;
        m_written += n;
        if (m_progress)
            m_progress(m_written);
    }
    return done;
}

// --- the writer -----------------------------------------------------------------------

QString FileWriter::write(const QString& path, const std::function<QString(QIODevice&)>& content) const
{
    // A save that fails leaves its temporary file to the destructor, which removes it.
    WholeSaveFile file(path, [this](qint64 n) { progress(n); });
    if (!file.openUnbuffered())
        return file.failure(QStringLiteral("création du fichier impossible"));
    const QString reason = content(file);
    if (!reason.isEmpty())
        return file.failure(reason);
    if (!file.commitWhole())
        return file.failure(QStringLiteral("écriture incomplète"));
    return QString();
}

QString FileWriter::replace(const QString& path, const std::function<QString(QIODevice&)>& content) const
{
    const QFileInfo target(path);
    // Made with mkdtemp: no one else's file or link can be in it.
    QTemporaryDir staging(target.absolutePath() + QStringLiteral("/.plakatorium-XXXXXX"));
    if (!staging.isValid())
        return inFrench(staging.errorString());
    const QString made = staging.filePath(target.fileName());
    const QString reason = write(made, content);
    if (!reason.isEmpty())
        return reason;
    // rename() replaces the name itself, whatever it named.
    if (::rename(QFile::encodeName(made).constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        return systemReason(errno);
    return QString();
}

QString FileWriter::write(const QString& path, const QByteArray& bytes) const
{
    return write(path, [&](QIODevice& file) { return put(file, bytes); });
}

QString FileWriter::put(QIODevice& file, const QByteArray& bytes) const
{
    // In pieces, so that a full disk stops the save at the first piece that does not fit.
    constexpr qsizetype kPiece = 8192;
    for (qsizetype at = 0; at < bytes.size(); at += kPiece) {
        const qsizetype n = std::min(kPiece, bytes.size() - at);
        if (file.write(bytes.constData() + at, n) != n)
            return QStringLiteral("écriture incomplète");
    }
    return QString();
}

}  // namespace plk
