#include "merge/ui/TabDataPrompts.h"

#include "canvas/core/Etiquette.h"
#include "canvas/core/TabData.h"
#include "merge/core/LinkedFiles.h"
#include "widgets/ui/Dialogs.h"

#include <algorithm>

namespace plk {

namespace {

/// Whether the user agrees that the tab reads its data file: asked only for a file
/// outside the project's folder tree, once per project file and data file. Nothing
/// when the user just said no (there is nothing more to tell).
std::optional<bool> agreedToRead(Dialogs& dialogs, QWidget* parent, const Etiquette& tab,
                                 const LinkedFileAnswers& answers)
{
    const MergeSettings& settings = tab.mergeSettings();
    if (!settings.needsConsent)
        return true;
    if (const std::optional<bool> given = answers.answer(settings.dataFile))
        return *given;
    const bool agreed = dialogs.message(parent, linkedFileQuestion(settings.dataFile), Dialogs::Icon::Question,
                                        Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
    answers.remember(settings.dataFile, agreed);
    return agreed ? std::optional(true) : std::nullopt;
}

}  // namespace

std::optional<std::shared_ptr<const DataTable>> dataForOutput(Dialogs& dialogs, QWidget* parent, const Etiquette& tab,
                                                              const LinkedFileAnswers& answers, bool warnUnknown)
{
    if (!tab.mergeSettings().active())
        return std::shared_ptr<const DataTable>();
    const std::optional<bool> agreed = agreedToRead(dialogs, parent, tab, answers);
    if (!agreed)
        return std::nullopt;
    MergeData data = loadTabData(tab, *agreed);
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

bool showRowValues(Dialogs& dialogs, QWidget* parent, Etiquette& tab, const LinkedFileAnswers& answers, bool quietly)
{
    if (!tab.mergeSettings().active()) {
        if (!quietly)
            dialogs.message(parent,
                            QStringLiteral("Cet onglet n'est relié à aucun fichier de données : choisissez-en un dans "
                                           "la page « FUSION » de la boîte à outils."),
                            Dialogs::Icon::Information, Dialogs::Buttons::Ok);
        return false;
    }
    const auto data = dataForOutput(dialogs, parent, tab, answers, false);
    if (!data)
        return false;
    tab.setDataRow(std::clamp(tab.dataRow(), 0, (*data)->rowCount() - 1));
    tab.showValues(*data);
    return true;
}

}  // namespace plk
