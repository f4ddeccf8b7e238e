#include "windows/ui/ProjectIcons.h"

#include <QApplication>
#include <QFile>
#include <QStyle>

namespace plk {

QIcon projectIcon(ProjectIcon icon)
{
    struct Entry {
        const char* theme;
        const char* resource;
        QStyle::StandardPixmap fallback;
    };
    static constexpr Entry kEntries[] = {
        {"document-new", ":/icons/toolbar/projet.svg", QStyle::SP_FileDialogNewFolder},
        {"document-save", ":/icons/toolbar/enregistrer.svg", QStyle::SP_DialogSaveButton},
        {"document-properties", ":/icons/toolbar/edition.svg", QStyle::SP_FileDialogDetailedView},
        {"document-print-preview", ":/icons/toolbar/apercu.svg", QStyle::SP_FileDialogContentsView},
        {"document-print", ":/icons/toolbar/imprimer.svg", QStyle::SP_DesktopIcon},
        {"document-close", ":/icons/toolbar/cloturer.svg", QStyle::SP_DialogCloseButton},
    };
    const Entry& e = kEntries[int(icon)];
    const QString resource = QString::fromLatin1(e.resource);
    const QIcon own = QFile::exists(resource) ? QIcon(resource) : QApplication::style()->standardIcon(e.fallback);
    return QIcon::fromTheme(QString::fromLatin1(e.theme), own);
}

}  // namespace plk
