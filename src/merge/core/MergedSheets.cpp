#include "merge/core/MergedSheets.h"

#include <algorithm>

namespace plk {

MergedSheets::MergedSheets(int labelsPerSheet, int firstLabel, int rowCount)
    : m_perSheet(std::max(1, labelsPerSheet)),
      m_firstSlot(std::clamp(firstLabel, 1, m_perSheet) - 1),
      m_rows(std::max(0, rowCount))
{
}

int MergedSheets::sheetCount() const
{
    if (m_rows == 0)
        return 0;
    return (m_firstSlot + m_rows + m_perSheet - 1) / m_perSheet;
}

int MergedSheets::rowAt(int sheet, int label) const
{
    if (sheet < 0 || label < 0 || label >= m_perSheet)
        return -1;
    const long long row = static_cast<long long>(sheet) * m_perSheet + label - m_firstSlot;
    return row >= 0 && row < m_rows ? int(row) : -1;
}

}  // namespace plk
