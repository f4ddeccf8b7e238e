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

namespace {

constexpr qsizetype kPieceBytes = 64 * 1024;

}  // namespace

bool WholeSaveFile::openForWriting()
{
    m_pending.reserve(kPieceBytes);
    return QSaveFile::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool WholeSaveFile::flushPieces()
{
    // The system may take part of a write when the disk is nearly full; the rest is
    // then written again, which fails with the reason.
    qsizetype done = 0;
    while (done < m_pending.size() && !writeFailed()) {
        const qint64 n = QSaveFile::writeData(m_pending.constData() + done, m_pending.size() - done);
        if (n <= 0) {
            // Kept: a later write that succeeds would clear the device's error.
            m_writeFailure = error() == QFileDevice::NoError ? QStringLiteral("écriture incomplète") : inFrench(errorString());
            break;
        }
        done += qsizetype(n);
        m_written += n;
        if (m_progress)
            m_progress(m_written);
    }
    m_pending.resize(0);
    return !writeFailed();
}

bool WholeSaveFile::commitWhole()
{
    if (!flushPieces())
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

bool WholeSaveFile::seek(qint64 offset) { return flushPieces() && QSaveFile::seek(offset); }

qint64 WholeSaveFile::size() const { return std::max(QSaveFile::size(), pos()); }

qint64 WholeSaveFile::writeData(const char* data, qint64 length)
{
    if (writeFailed())
        return -1;
    m_pending.append(data, qsizetype(length));
    if (m_pending.size() >= kPieceBytes && !flushPieces())
        return -1;
    return length;
}

// --- the writer -----------------------------------------------------------------------

QString FileWriter::write(const QString& path, const std::function<QString(QIODevice&)>& content) const
{
    // A save that fails leaves its temporary file to the destructor, which removes it.
    WholeSaveFile file(path, [this](qint64 n) { progress(n); });
    if (!file.openForWriting())
        return file.failure(QStringLiteral("création du fichier impossible"));
    const QString reason = content(file);
    // A write the system refused is the reason, rather than what it made of the content.
    if (!reason.isEmpty()) {
        file.flushPieces();
        return file.failure(reason);
    }
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
    return file.write(bytes) == bytes.size() ? QString() : QStringLiteral("écriture incomplète");
}

}  // namespace plk
