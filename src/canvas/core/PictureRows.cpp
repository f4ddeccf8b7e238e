#include "canvas/core/PictureRows.h"

#include "base/core/RegularFile.h"
#include "canvas/core/Etiquette.h"
#include "merge/core/RowValues.h"

#include <QFileInfo>
#include <QImageReader>
#include <QSet>

namespace plk {

namespace {

constexpr int kListedProblems = 10;

/// Why the file gives no picture; empty when its first bytes are those of a picture.
QString pictureFault(const QString& path)
{
    QString reason;
    const std::unique_ptr<QFile> file = openRegularFile(path, &reason);
    if (!file)
        return QFileInfo::exists(path) ? reason : QStringLiteral("fichier introuvable");
    QImageReader reader(file.get());
    return reader.canRead() ? QString() : QStringLiteral("ce n'est pas une image lisible");
}

}  // namespace

std::vector<PictureRowProblem> pictureRowProblems(const Etiquette& tab, const DataTable& table)
{
    QStringList fields;
    for (int i = 1; i <= tab.logoCount(); ++i)
        if (tab.logo(i).Visible && !tab.logo(i).pictureField.isEmpty())
            fields.append(tab.logo(i).pictureField);
    std::vector<PictureRowProblem> problems;
    if (fields.isEmpty())
        return problems;
    QSet<QString> seen;
    for (int row = 0; row < table.rowCount(); ++row) {
        const RowValues values(&table, row);
        for (const QString& field : fields) {
            const QString path = values.filePath(field);
            if (path.isEmpty() || seen.contains(path))
                continue;
            seen.insert(path);
            if (QString reason = pictureFault(path); !reason.isEmpty())
                problems.push_back({row, path, std::move(reason)});
        }
    }
    return problems;
}

QString pictureProblemsText(const std::vector<PictureRowProblem>& problems)
{
    QStringList lines;
    for (std::size_t i = 0; i < problems.size() && i < std::size_t(kListedProblems); ++i) {
        const PictureRowProblem& p = problems[i];
        lines << QStringLiteral("Ligne %1 : « %2 » (%3)").arg(p.row + 1).arg(p.path, p.reason);
    }
    if (problems.size() > std::size_t(kListedProblems))
        lines << QStringLiteral("… et %1 autres.").arg(problems.size() - std::size_t(kListedProblems));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace plk
