#include "print/ui/JobDesigns.h"

#include "canvas/core/Etiquette.h"
#include "canvas/ui/TabDataPrompts.h"
#include "document/core/Project.h"
#include "merge/core/DataTable.h"
#include "windows/ui/frmProjet.h"

#include <map>
#include <memory>

namespace plk {

std::optional<DesignLookup> jobDesigns(Dialogs& dialogs, QWidget* parent, const frmProjet& window,
                                       const Etiquette& tab, bool warnUnknown)
{
    const Project& project = window.project();
    std::map<int, std::shared_ptr<const DataTable>> rows;
    for (const DesignRange& range : tab.print().designs) {
        if (range.tab < 1 || range.tab > project.tabCount() || rows.count(range.tab) ||
            &project.tab(range.tab) == &tab)
            continue;
        const auto data =
            rowsForLabels(dialogs, parent, project.tab(range.tab), window.linkedFileAnswers(), warnUnknown);
        if (!data)
            return std::nullopt;
        rows[range.tab] = *data;
    }
    const Project* source = &project;
    return DesignLookup([source, rows](int number) {
        if (number < 1 || number > source->tabCount())
            return Design();
        const auto found = rows.find(number);
        return Design{&source->tab(number), found == rows.end() ? nullptr : found->second.get()};
    });
}

}  // namespace plk
