#include "print/core/SheetPlan.h"

#include "canvas/core/Etiquette.h"
#include "canvas/core/TabData.h"
#include "merge/core/DataTable.h"

#include <algorithm>

namespace plk {

namespace {

bool sameSize(const Etiquette& a, const Etiquette& b)
{
    return a.prjWidth() == b.prjWidth() && a.prjHeight() == b.prjHeight();
}

}  // namespace

SheetPlan::SheetPlan(const SheetLayout& layout, Design tab, const DesignLookup& lookup, QPointF frameMarginMm,
                     QSizeF paperMm, const QDateTime& now)
    : m_layout(layout), m_margin(frameMarginMm), m_paper(paperMm), m_designs{tab}
{
    const int positions = int(layout.labels().size());
    m_designAt.assign(std::size_t(positions), 0);
    if (lookup) {
        for (const DesignRange& r : tab.tab->print().designs) {
            const int design = designOf(r.tab, tab, lookup);
            for (int p = std::max(1, r.first); design > 0 && p <= std::min(positions, r.last); ++p)
                m_designAt[std::size_t(p - 1)] = design;
        }
        // Backs of every design on the sheet (a back's own back is never printed).
        const std::size_t fronts = m_designs.size();
        m_backs.resize(fronts);
        for (std::size_t d = 0; d < fronts; ++d)
            if (const auto& back = m_designs[d].tab->print().back) {
                const Design own = m_designs[d];  // the list may grow
                const int design = designOf(back->tab, own, lookup);
                if (design >= 0)
                    m_backs[d] = Back{design, back->flip};
            }
    }
    m_backs.resize(m_designs.size());

    // Each design's rows go to its own positions; before the tab's first label on the
    // first sheet no position takes a row.
    const int firstSlot = tab.rows ? std::clamp(int(tab.tab->mergeSettings().firstLabel), 1, positions) - 1 : 0;
    const std::size_t count = m_designs.size();
    m_held.assign(count, 0);
    m_skipped.assign(count, 0);
    m_ordinal.resize(std::size_t(positions));
    for (int p = 0; p < positions; ++p) {
        const auto d = std::size_t(m_designAt[std::size_t(p)]);
        m_ordinal[std::size_t(p)] = m_held[d]++;
        if (p < firstSlot)
            ++m_skipped[d];
    }
    m_rows.resize(count);
    m_builtIns.resize(count);
    m_varies.assign(count, false);
    for (std::size_t d = 0; d < count; ++d) {
        const Design& design = m_designs[d];
        if (!design.tab)
            continue;
        if (usesBuiltInMarkers(mergedTexts(*design.tab)))
            m_builtIns[d].emplace(design.tab->mergeSettings(), now, QLocale::system());
        if (design.rows && m_held[d] > 0) {
            m_sheetsFollowRows = true;
            m_rows[d].emplace(MergedSheets::of(*design.rows, design.tab->mergeSettings(), m_held[d], m_skipped[d]));
            m_sheets = std::max(m_sheets, m_rows[d]->sheetCount());
        }
        m_varies[d] = m_rows[d] || m_builtIns[d];
    }
    if (!m_sheetsFollowRows)
        m_sheets = layout.sheetCount();
    // A back shows its front's row and counter.
    for (std::size_t d = 0; d < count; ++d)
        if (m_backs[d] && m_varies[d])
            m_varies[std::size_t(m_backs[d]->design)] = true;
}

int SheetPlan::designOf(int tabNumber, const Design& own, const DesignLookup& lookup)
{
    const Design found = lookup(tabNumber);
    if (!found.tab || !sameSize(*found.tab, *own.tab))
        return -1;
    const auto at = std::find_if(m_designs.begin(), m_designs.end(),
                                 [&found](const Design& d) { return d.tab == found.tab; });
    if (at != m_designs.end())
        return int(at - m_designs.begin());
    m_designs.push_back(found);
    return int(m_designs.size()) - 1;
}

bool SheetPlan::duplex() const
{
    return std::any_of(m_backs.begin(), m_backs.end(), [](const auto& b) { return b.has_value(); });
}

std::optional<SheetFlip> SheetPlan::flip() const
{
    for (const auto& back : m_backs)
        if (back)
            return back->flip;
    return std::nullopt;
}

qint64 SheetPlan::countersUsed() const
{
    if (m_designs.front().tab && m_designs.front().tab->mergeSettings().counter.perSheet)
        return m_sheets;
    return m_rows.front() ? m_rows.front()->labelCount() : qint64(m_sheets) * m_held.front() - m_skipped.front();
}

RowValues SheetPlan::values(int design, const DataTable* table, int row, qint64 label, int sheet) const
{
    const auto& builtIns = m_builtIns[std::size_t(design)];
    if (!builtIns)
        return RowValues(table, row);
    const bool perSheet = m_designs[std::size_t(design)].tab->mergeSettings().counter.perSheet;
    return RowValues(table, row, &*builtIns, perSheet ? sheet - 1 : label);
}

std::vector<SheetPlan::Label> SheetPlan::front(int sheet) const
{
    std::vector<Label> labels;
    const std::vector<QPointF>& at = m_layout.labels();
    for (std::size_t p = 0; p < at.size(); ++p) {
        const int d = m_designAt[p];
        const auto dd = std::size_t(d);
        // The labels of a design count from the first one filled.
        const qint64 label = qint64(sheet - 1) * m_held[dd] + m_ordinal[p] - m_skipped[dd];
        if (label < 0)
            continue;
        const Design& design = m_designs[dd];
        if (!m_rows[dd]) {
            labels.push_back({at[p], d, values(d, nullptr, -1, label, sheet), label});
            continue;
        }
        const int row = m_rows[dd]->rowAt(sheet - 1, m_ordinal[p]);
        if (row >= 0)
            labels.push_back({at[p], d, values(d, design.rows, row, label, sheet), label});
    }
    return labels;
}

QPointF SheetPlan::behind(QPointF at, int design) const
{
    // On the paper the label lies at `at` + margin; turned over, its back is the same
    // place seen from the other side, and the back's frame starts at the margin too.
    const QSizeF size = m_layout.labelSize();
    if (m_backs[std::size_t(design)]->flip == SheetFlip::LongEdge)
        return {m_paper.width() - at.x() - size.width() - 2 * m_margin.x(), at.y()};
    return {at.x(), m_paper.height() - at.y() - size.height() - 2 * m_margin.y()};
}

std::vector<SheetPlan::Label> SheetPlan::page(int page) const
{
    if (page < 1 || page > pageCount())
        return {};
    const int sheet = duplex() ? (page + 1) / 2 : page;
    std::vector<Label> labels = front(sheet);
    if (!isBack(page))
        return labels;
    std::vector<Label> backs;
    for (const Label& l : labels)
        if (const auto& back = m_backs[std::size_t(l.design)])
            backs.push_back({behind(l.at, l.design), back->design,
                             values(back->design, l.row.table(), l.row.row(), l.label, sheet), l.label});
    return backs;
}

}  // namespace plk
