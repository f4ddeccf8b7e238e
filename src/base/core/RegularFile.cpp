#include "base/core/RegularFile.h"

#include "base/core/SystemReason.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plk {

namespace {

QString notAFile() { return QStringLiteral("ce n'est pas un fichier ordinaire"); }

void setReason(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}

std::optional<FileStamp> stampOf(const struct stat& st)
{
    if (!S_ISREG(st.st_mode))
        return std::nullopt;
    return FileStamp{qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec, qint64(st.st_size)};
}

// Files compiled into the program (":/templates/...") are the program's own: they
// can neither block nor change, and only Qt knows how to open them.
bool isResource(const QString& path) { return path.startsWith(QLatin1Char(':')); }

std::unique_ptr<QFile> openResource(const QString& path, QString* reason)
{
    auto file = std::make_unique<QFile>(path);
    if (!QFileInfo(path).isFile() || !file->open(QIODevice::ReadOnly)) {
        setReason(reason, systemReason(ENOENT));
        return nullptr;
    }
    return file;
}

}  // namespace

bool isRegularFile(const QString& path) { return regularFileStamp(path).has_value(); }

std::optional<FileStamp> regularFileStamp(const QString& path)
{
    if (isResource(path)) {
        const QFileInfo resource(path);
        if (!resource.isFile())
            return std::nullopt;
        return FileStamp{resource.lastModified().toMSecsSinceEpoch() * 1000000, resource.size()};
    }
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return stampOf(st);
}

std::optional<FileStamp> regularFileStamp(const QFile& opened)
{
    struct stat st {};
    if (opened.handle() < 0 || ::fstat(opened.handle(), &st) != 0)
        return regularFileStamp(opened.fileName());
    return stampOf(st);
}

std::unique_ptr<QFile> openRegularFile(const QString& path, QString* reason)
{
    if (isResource(path))
        return openResource(path, reason);
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (path.isEmpty() || ::stat(name.constData(), &st) != 0) {
        setReason(reason, systemReason(path.isEmpty() ? ENOENT : errno));
        return nullptr;
    }
    // Checked before opening, so that no device is ever opened; and again on the
    // opened descriptor, in case the name was replaced in between. O_NONBLOCK keeps
    // open() from waiting for the writer of a FIFO, and stays: an ordinary file never
    // waits anyway, and a pseudo-file with nothing to give fails instead of waiting.
    if (!S_ISREG(st.st_mode)) {
        setReason(reason, notAFile());
        return nullptr;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        setReason(reason, systemReason(errno));
        return nullptr;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        setReason(reason, notAFile());
        return nullptr;
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        setReason(reason, inFrench(file->errorString()));
        return nullptr;
    }
    return file;
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, QString* reason, int idleLimitMs)
{
    const std::unique_ptr<QFile> file = openRegularFile(path, reason);
    if (!file)
        return std::nullopt;
    if (isResource(path)) {
        QByteArray data = file->read(maxBytes + 1);
        if (data.size() <= maxBytes)
            return data;
        setReason(reason, systemReason(EFBIG));
        return std::nullopt;
    }
    return readAvailable(file->handle(), maxBytes, idleLimitMs, reason);
}

std::optional<QByteArray> readAvailable(int fd, qint64 maxBytes, int idleLimitMs, QString* reason)
{
    QByteArray data;
    struct stat st {};
    if (::fstat(fd, &st) == 0)
        data.reserve(qsizetype(std::clamp<qint64>(st.st_size, 0, maxBytes)));
    // Read in pieces up to the limit: a file that grows while it is read, or one that
    // reports no size, still stops there.
    char piece[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, piece, sizeof piece);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd wait{fd, POLLIN, 0};
            int ready = 0;
            do
                ready = ::poll(&wait, 1, idleLimitMs);
            while (ready < 0 && errno == EINTR);
            if (ready > 0)
                continue;
            setReason(reason, QStringLiteral("aucune donnée depuis %1 s, lecture abandonnée").arg(idleLimitMs / 1000.0));
            return std::nullopt;
        }
        if (n < 0) {
            setReason(reason, systemReason(errno));
            return std::nullopt;
        }
        if (n == 0)
            break;
        if (data.size() + n > maxBytes) {
            setReason(reason, systemReason(EFBIG));
            return std::nullopt;
        }
        data.append(piece, qsizetype(n));
    }
    return data;
}

}  // namespace plk
