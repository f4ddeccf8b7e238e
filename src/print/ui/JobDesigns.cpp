#include "print/ui/JobDesigns.h"

#include "canvas/core/Etiquette.h"
#include "canvas/core/TabData.h"
#include "canvas/ui/TabDataPrompts.h"
#include "document/core/Project.h"
#include "merge/core/DataTable.h"
#include "merge/core/LinkedFiles.h"
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

std::shared_ptr<const DataTable> quietRows(const frmProjet& window, const Etiquette& tab)
{
    const MergeSettings& settings = tab.mergeSettings();
    if (!settings.active())
        return {};
    MergeData data = loadTabData(tab, window.linkedFileAnswers().answer(settings.dataFile) == true);
    return data.ok() ? std::make_shared<const DataTable>(std::move(data.table)) : nullptr;
}

DesignLookup quietDesigns(const frmProjet& window, const Etiquette& tab, std::shared_ptr<const DataTable> rows)
{
    // Read once each, shared by the copies the plan makes of the lookup.
    auto read = std::make_shared<std::map<const Etiquette*, std::shared_ptr<const DataTable>>>();
    read->emplace(&tab, std::move(rows));
    const frmProjet* source = &window;
    return DesignLookup([source, read](int number) {
        const Project& project = source->project();
        if (number < 1 || number > project.tabCount())
            return Design();
        const Etiquette& design = project.tab(number);
        auto found = read->find(&design);
        if (found == read->end())
            found = read->emplace(&design, quietRows(*source, design)).first;
        return Design{&design, found->second.get()};
    });
}

}  // namespace plk
