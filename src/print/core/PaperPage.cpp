#include "print/core/PaperPage.h"

namespace plk {

Paper paperOf(const PrintSettings& settings) { return settings.paper.value_or(Paper{QStringLiteral("A4")}); }

QSizeF pageSizeMm(const Paper& paper)
{
    return paper.landscape ? QSizeF(paper.height, paper.width) : QSizeF(paper.width, paper.height);
}

QPageLayout pageLayoutOf(const Paper& paper)
{
    const QSizeF upright(paper.width, paper.height);
    const QPageSize size = paper.name.isEmpty()
                               ? QPageSize(upright, QPageSize::Millimeter, QString(), QPageSize::ExactMatch)
                               : QPageSize(upright, QPageSize::Millimeter, paper.name, QPageSize::FuzzyMatch);
    return QPageLayout(size, paper.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

}  // namespace plk
