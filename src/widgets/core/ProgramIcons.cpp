#include "widgets/core/ProgramIcons.h"

namespace plk {

QIcon themedIcon(const char* themeName, const char* resource)
{
    return QIcon::fromTheme(QString::fromLatin1(themeName), QIcon(QString::fromLatin1(resource)));
}

TPict taskPaneImages()
{
    struct Entry {
        const char* theme;
        const char* resource;
    };
    static constexpr Entry kItems[] = {
        {"document-new", ":/icons/pane/nouveau.svg"},
        {"document-open", ":/icons/pane/ouvrir.svg"},
        {"document-save", ":/icons/toolbar/enregistrer.svg"},
        {"document-close", ":/icons/toolbar/cloturer.svg"},
        {"insert-text", ":/icons/pane/texte.svg"},
        {"insert-image", ":/icons/pane/logo.svg"},
        {"document-export", ":/icons/pane/exporter.svg"},
        {"applications-utilities", ":/icons/toolbar/edition.svg"},
        {"document-print-preview", ":/icons/toolbar/apercu.svg"},
        {"document-print", ":/icons/toolbar/imprimer.svg"},
        {"help-contents", ":/icons/pane/aide.svg"},
        {"help-about", ":/icons/pane/apropos.svg"},
        {"application-exit", ":/icons/pane/quitter.svg"},
    };
    TPict images;
    for (const Entry& e : kItems)
        images.add(themedIcon(e.theme, e.resource));
    return images;
}

}  // namespace plk
