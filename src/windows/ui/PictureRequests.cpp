#include "windows/ui/PictureRequests.h"

#include "base/core/Records.h"
#include "settings/core/AppPaths.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMimeDatabase>

namespace plk {

namespace {

/// After the filter the program was designed around (whose WMF and EMF the desktop
/// cannot read): every picture the installed image plug-ins read, all together,
/// then one entry a format.
QStringList readablePictureFilters()
{
    const QMimeDatabase types;
    QStringList all, each;
    for (const QByteArray& name : QImageReader::supportedMimeTypes()) {
        const QMimeType type = types.mimeTypeForName(QString::fromLatin1(name));
        QStringList patterns;
        for (const QString& suffix : type.suffixes())
            patterns << QStringLiteral("*.") + suffix;
        if (patterns.isEmpty())
            continue;
        all += patterns;
        each << QStringLiteral("%1 (%2)").arg(type.preferredSuffix().toUpper(), patterns.join(QLatin1Char(' ')));
    }
    each.sort();
    return QStringList{QStringLiteral("Toutes les images (%1)").arg(all.join(QLatin1Char(' ')))} + each;
}

}  // namespace

Dialogs::FileRequest logoPictureRequest(const QString& currentPath, const AppPaths& paths)
{
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Importer un logo");
    request.filters = QStringList{QStringLiteral("Bmp - Jpg - Gif - Wmf - Emf - Ico (*.bmp *.jpg *.gif *.wmf *.emf *.ico)")} +
                      readablePictureFilters();
    request.directory = currentPath.isEmpty() ? paths.imagesFolder() : currentPath;
    return request;
}

Dialogs::FileRequest backgroundPictureRequest(const QString& currentPath, const AppPaths& paths)
{
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Arrière plan");
    request.filters =
        QStringList{QStringLiteral("Bmp - Jpg - Gif - Wmf - Emf (*.bmp *.jpg *.gif *.wmf *.emf)")} + readablePictureFilters();
    // The backgrounds' own folder when the user made one; the pictures' folder otherwise.
    const QString backgrounds = paths.imagesFolder() + QStringLiteral("/Images de fond");
    if (!currentPath.isEmpty())
        request.directory = currentPath;
    else
        request.directory = QFileInfo(backgrounds).isDir() ? backgrounds : paths.imagesFolder();
    return request;
}

QString unreadablePictureMessage(const QString& path)
{
    if (!fitsRecord(path))
        return QStringLiteral("Le chemin « %1 » ne peut pas être enregistré dans le projet : renommez le fichier ou "
                              "son dossier sans « | ».")
            .arg(path);
    return QStringLiteral("Le fichier « %1 » ne peut pas être lu comme une image.").arg(path);
}

}  // namespace plk
