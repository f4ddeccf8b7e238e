#include "app/core/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace plk {

AppPaths AppPaths::forRunningProgram()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QFileInfo info(exeDir);
    if (!exeDir.isEmpty() && info.isDir() && info.isWritable())
        return AppPaths(exeDir);
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return AppPaths(data + QStringLiteral("/Plakatorium"));
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
