#include "windows/ui/PictureRequests.h"

#include "app/core/AppPaths.h"

#include <QFileInfo>

namespace plk {

namespace {

// The formats the program was designed around come first; the desktop cannot read
// WMF and EMF, so a second filter offers every format it does read.
const QString kAllPictures =
    QStringLiteral("Toutes les images (*.png *.jpg *.jpeg *.bmp *.gif *.tif *.tiff *.svg *.ico)");

}  // namespace

Dialogs::FileRequest logoPictureRequest(const QString& currentPath, const AppPaths& paths)
{
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Importer un logo");
    request.filters = {QStringLiteral("Bmp - Jpg - Gif - Wmf - Emf - Ico (*.bmp *.jpg *.gif *.wmf *.emf *.ico)"),
                       kAllPictures};
    request.directory = currentPath.isEmpty() ? paths.imagesFolder() : currentPath;
    return request;
}

Dialogs::FileRequest backgroundPictureRequest(const QString& currentPath, const AppPaths& paths)
{
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Arrière plan");
    request.filters = {QStringLiteral("Bmp - Jpg - Gif - Wmf - Emf (*.bmp *.jpg *.gif *.wmf *.emf)"), kAllPictures};
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
    return QStringLiteral("Le fichier « %1 » ne peut pas être lu comme une image.").arg(path);
}

}  // namespace plk
