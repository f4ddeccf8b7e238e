#include "canvas/core/NewObject.h"

namespace plk {

void addSelectedObject(Etiquette& tab, Etiquette::ObjectKind kind)
{
    const Etiquette::Batch batch(tab);
    if (kind == Etiquette::ObjectKind::Logo) {
        tab.NewLogo();
        tab.objectClick(kind, tab.IDlogo());
    } else {
        tab.NewLabel();
        tab.objectClick(kind, tab.IDlabel());
    }
}

}  // namespace plk
