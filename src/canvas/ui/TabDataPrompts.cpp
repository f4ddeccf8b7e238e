#include "canvas/ui/TabDataPrompts.h"

#include "canvas/core/CodeRows.h"
#include "canvas/core/PictureRows.h"
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
    QStringList warnings;
    if (!data.warning.isEmpty())
        warnings.append(data.warning);
    if (!data.unknown.isEmpty())
        warnings.append(unknownMarkersWarning(data.unknown));
    if (warnUnknown && !warnings.isEmpty() &&
        dialogs.message(parent, warnings.join(QStringLiteral("\n\n")), Dialogs::Icon::Exclamation,
                        Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok)
        return std::nullopt;
    return std::make_shared<const DataTable>(std::move(data.table));
}

std::optional<std::shared_ptr<const DataTable>> rowsForLabels(Dialogs& dialogs, QWidget* parent, const Etiquette& tab,
                                                              const LinkedFileAnswers& answers, bool warnUnknown)
{
    auto data = dataForOutput(dialogs, parent, tab, answers, warnUnknown);
    if (!data)
        return data;
    if (*data) {
        const std::vector<PictureRowProblem> missing = pictureRowProblems(tab, **data);
        if (!missing.empty() &&
            dialogs.message(parent,
                            QStringLiteral("%1\n\n%2\n\nContinuer sans ces images ?")
                                .arg(kMissingPicturesHead, pictureProblemsText(missing)),
                            Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo, QString(),
                            Dialogs::Answer::No) != Dialogs::Answer::Yes)
            return std::nullopt;
    }
    const std::vector<CodeRowProblem> problems = codeRowProblems(tab, data->get());
    if (problems.empty())
        return data;
    if (!*data) {
        codesDrawable(dialogs, parent, tab, nullptr, 0);
        return std::nullopt;
    }
    const QString text = QStringLiteral("Ces étiquettes porteraient un code que les valeurs de leur ligne ne permettent "
                                        "pas de former :\n\n%1\n\nContinuer sans ces étiquettes ?")
                             .arg(codeProblemsText(problems));
    if (dialogs.message(parent, text, Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo, QString(),
                        Dialogs::Answer::No) != Dialogs::Answer::Yes)
        return std::nullopt;
    DataTable kept = withoutProblemRows(**data, problems);
    if (kept.rowCount() == 0) {
        dialogs.message(parent, QStringLiteral("Aucune étiquette ne reste : toutes les lignes sont laissées de côté."),
                        Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        return std::nullopt;
    }
    return std::make_shared<const DataTable>(std::move(kept));
}

bool codesDrawable(Dialogs& dialogs, QWidget* parent, const Etiquette& tab, const DataTable* table, int row)
{
    const std::vector<CodeRowProblem> problems = codeRowProblems(tab, table, row, row);
    if (problems.empty())
        return true;
    dialogs.message(parent,
                    QStringLiteral("Un code ne peut pas être formé avec ces données :\n\n%1").arg(codeProblemsText(problems)),
                    Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
    return false;
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
