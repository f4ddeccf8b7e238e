#include "canvas/core/CodeRows.h"

#include "barcode/core/BarcodeSymbol.h"
#include "canvas/core/Etiquette.h"
#include "merge/core/FieldMarkers.h"
#include "merge/core/RowValues.h"

#include <algorithm>

namespace plk {

namespace {

constexpr int kListedProblems = 10;

QString fieldsPhrase(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& f : fields)
        quoted << QStringLiteral("« %1 »").arg(f);
    return (fields.size() > 1 ? QStringLiteral("champs ") : QStringLiteral("champ ")) + quoted.join(QStringLiteral(", "));
}

}  // namespace

std::vector<CodeRowProblem> codeRowProblems(const Etiquette& tab, const DataTable* table, int first, int last)
{
    struct Marked {
        int index;
        QStringList fields;
        QString lastData;  // rows often repeat a value: it is checked once
        QString lastError;
    };
    std::vector<Marked> codes;
    for (int i = 1; i <= tab.codeCount(); ++i)
        if (const QStringList fields = fieldMarkers(tab.code(i).Data); tab.code(i).Visible && !fields.isEmpty())
            codes.push_back({i, fields, {}, {}});

    std::vector<CodeRowProblem> problems;
    const int rows = table ? table->rowCount() : 1;
    const int end = !table || last < 0 ? rows - 1 : std::min(last, rows - 1);
    for (int row = table ? std::max(0, first) : 0; row <= end; ++row) {
        const RowValues values = table ? RowValues(table, row) : RowValues();
        for (Marked& m : codes) {
            const QString data = tab.codeData(m.index, values);
            if (data != m.lastData || m.lastData.isNull()) {
                m.lastData = data;
                m.lastError = barcodeDataError(tab.code(m.index).Kind, data);
            }
            if (!m.lastError.isEmpty())
                problems.push_back({table ? row : -1, m.index, m.fields, m.lastError});
        }
    }
    return problems;
}

QString codeProblemsText(const std::vector<CodeRowProblem>& problems)
{
    QStringList lines;
    for (std::size_t i = 0; i < problems.size() && i < std::size_t(kListedProblems); ++i) {
        const CodeRowProblem& p = problems[i];
        const QString where = p.row < 0 ? QStringLiteral("Code %1").arg(p.code) : QStringLiteral("Ligne %1").arg(p.row + 1);
        lines << QStringLiteral("%1, %2 : %3").arg(where, fieldsPhrase(p.fields), p.reason);
    }
    if (problems.size() > std::size_t(kListedProblems))
        lines << QStringLiteral("… et %1 autres.").arg(problems.size() - std::size_t(kListedProblems));
    return lines.join(QLatin1Char('\n'));
}

DataTable withoutProblemRows(const DataTable& table, const std::vector<CodeRowProblem>& problems)
{
    std::vector<bool> left(std::size_t(table.rowCount()), false);
    for (const CodeRowProblem& p : problems)
        if (p.row >= 0 && p.row < table.rowCount())
            left[std::size_t(p.row)] = true;
    DataTable kept(table.fields());
    kept.setFolder(table.folder());
    for (int row = 0; row < table.rowCount(); ++row) {
        if (left[std::size_t(row)])
            continue;
        for (int field = 0; field < table.fields().size(); ++field)
            kept.addValue(table.value(row, field));
        kept.endRow();
    }
    return kept;
}

}  // namespace plk
