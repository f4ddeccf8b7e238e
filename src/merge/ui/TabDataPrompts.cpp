#include "merge/ui/TabDataPrompts.h"

#include "canvas/core/Etiquette.h"
#include "canvas/core/TabData.h"
#include "widgets/ui/Dialogs.h"

namespace plk {

std::optional<std::shared_ptr<const DataTable>> dataForOutput(Dialogs& dialogs, QWidget* parent, const Etiquette& tab,
                                                              bool warnUnknown)
{
    if (!tab.mergeSettings().active())
        return std::shared_ptr<const DataTable>();
    MergeData data = loadTabData(tab);
    if (!data.ok()) {
        dialogs.message(parent, data.error, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        return std::nullopt;
    }
    if (warnUnknown && !data.unknown.isEmpty() &&
        dialogs.message(parent, unknownMarkersWarning(data.unknown), Dialogs::Icon::Exclamation,
                        Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok)
        return std::nullopt;
    return std::make_shared<const DataTable>(std::move(data.table));
}

}  // namespace plk
