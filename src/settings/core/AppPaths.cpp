#include "settings/core/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace plk {

namespace {

QString userDataFolder()
{
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/Plakatorium");
}

}  // namespace

AppPaths AppPaths::forRunningProgram() { return forExecutableIn(QCoreApplication::applicationDirPath()); }

AppPaths AppPaths::forExecutableIn(const QString& executableFolder)
{
    const QString shared = QDir::cleanPath(executableFolder + QStringLiteral("/../share/plakatorium"));
    if (!executableFolder.isEmpty() && QFileInfo(shared).isDir())
        return AppPaths(userDataFolder(), shared + QStringLiteral("/Gabarits"));
    const QFileInfo info(executableFolder);
    if (!executableFolder.isEmpty() && info.isDir() && info.isWritable())
        return AppPaths(executableFolder);
    return AppPaths(userDataFolder());
}

bool AppPaths::createFolders() const
{
    const bool newTemplates = !QFileInfo::exists(templatesFolder());
    QDir().mkpath(m_root);
    QDir().mkpath(templatesFolder());
    QDir().mkpath(projectsFolder());
    QDir().mkpath(imagesFolder());
    return newTemplates && QFileInfo(templatesFolder()).isDir();
}

}  // namespace plk
