#include "merge/core/MergedSheets.h"

#include "merge/core/DataTable.h"
#include "merge/core/MergeSettings.h"

#include <algorithm>
#include <limits>

namespace plk {

namespace {

constexpr int kMaxCopies = 1000;

}  // namespace

MergedSheets::MergedSheets(int labelsPerSheet, int firstLabel, int rowCount)
    : m_perSheet(std::max(1, labelsPerSheet)),
      m_firstSlot(std::clamp(firstLabel, 1, m_perSheet) - 1),
      m_rows(std::max(0, rowCount))
{
}

MergedSheets::MergedSheets(int labelsPerSheet, int firstLabel, const std::vector<int>& copies)
    : MergedSheets(labelsPerSheet, firstLabel, int(copies.size()))
{
    m_ends.reserve(copies.size());
    qint64 labels = 0;
    for (const int n : copies)
        m_ends.push_back(labels += std::clamp(n, 0, kMaxCopies));
}

MergedSheets MergedSheets::of(const DataTable& table, const MergeSettings& settings, int labelsPerSheet)
{
    const int field = settings.copiesField.isEmpty() ? -1 : table.fieldIndex(settings.copiesField);
    if (field < 0)
        return MergedSheets(labelsPerSheet, settings.firstLabel, table.rowCount());
    std::vector<int> copies(std::size_t(table.rowCount()), 1);
    for (int row = 0; row < table.rowCount(); ++row) {
        bool ok = false;
        const int n = table.value(row, field).trimmed().toInt(&ok);
        if (ok)
            copies[std::size_t(row)] = n;
    }
    return MergedSheets(labelsPerSheet, settings.firstLabel, copies);
}

MergedSheets MergedSheets::of(const DataTable& table, const MergeSettings& settings, int labelsPerSheet, int skipped)
{
    MergedSheets sheets = of(table, settings, labelsPerSheet);
    sheets.m_firstSlot = std::clamp(skipped, 0, sheets.m_perSheet);
    return sheets;
}

qint64 MergedSheets::labelCount() const { return m_ends.empty() ? m_rows : m_ends.back(); }

int MergedSheets::sheetCount() const
{
    const qint64 labels = labelCount();
    if (labels == 0)
        return 0;
    const qint64 sheets = (m_firstSlot + labels + m_perSheet - 1) / m_perSheet;
    return int(std::min<qint64>(sheets, std::numeric_limits<int>::max()));
}

int MergedSheets::rowAt(int sheet, int label) const
{
    if (sheet < 0 || label < 0 || label >= m_perSheet)
        return -1;
    const qint64 slot = qint64(sheet) * m_perSheet + label - m_firstSlot;
    if (slot < 0 || slot >= labelCount())
        return -1;
    if (m_ends.empty())
        return int(slot);
    return int(std::upper_bound(m_ends.begin(), m_ends.end(), slot) - m_ends.begin());
}

}  // namespace plk
