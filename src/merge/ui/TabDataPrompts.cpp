#include "merge/ui/TabDataPrompts.h"

#include "canvas/core/Etiquette.h"
#include "canvas/core/TabData.h"
#include "widgets/ui/Dialogs.h"

#include <algorithm>

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

bool showRowValues(Dialogs& dialogs, QWidget* parent, Etiquette& tab, bool quietly)
{
    if (!tab.mergeSettings().active()) {
        if (!quietly)
            dialogs.message(parent,
                            QStringLiteral("Cet onglet n'est relié à aucun fichier de données : choisissez-en un dans "
                                           "la page « FUSION » de la boîte à outils."),
                            Dialogs::Icon::Information, Dialogs::Buttons::Ok);
        return false;
    }
    const auto data = dataForOutput(dialogs, parent, tab, false);
    if (!data)
        return false;
    tab.setDataRow(std::clamp(tab.dataRow(), 0, (*data)->rowCount() - 1));
    tab.showValues(*data);
    return true;
}

}  // namespace plk
