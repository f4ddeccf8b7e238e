#include "app/core/InstanceFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace plk {

namespace {

constexpr mode_t kOthersRights = S_IRWXG | S_IRWXO;

bool statNoFollow(const QString& path, struct stat& info)
{
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

}  // namespace

bool isPrivateFolder(const QString& path)
{
    struct stat info {};
    return !path.isEmpty() && statNoFollow(path, info) && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & kOthersRights) == 0;
}

bool makePrivateFolder(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(path);
    QDir().mkpath(QFileInfo(path).path());
    ::mkdir(name.constData(), S_IRWXU);  // an existing folder is looked at below
    struct stat info {};
    if (!statNoFollow(path, info) || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
        return false;
    if ((info.st_mode & kOthersRights) != 0 && ::chmod(name.constData(), S_IRWXU) != 0)
        return false;
    return isPrivateFolder(path);
}

bool isFreeOrOwn(const QString& path)
{
    struct stat info {};
    return !statNoFollow(path, info) || info.st_uid == ::geteuid();
}

QString instanceFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (isPrivateFolder(runtime))
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString own = cache.isEmpty() ? QString() : cache + QStringLiteral("/plakatorium-instance");
    return makePrivateFolder(own) ? own : QString();
}

}  // namespace plk
