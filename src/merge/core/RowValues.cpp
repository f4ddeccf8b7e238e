#include "merge/core/RowValues.h"

#include "merge/core/FieldMarkers.h"

#include <algorithm>

namespace plk {

QString RowValues::fill(const QString& text) const
{
    if (!m_table || m_row < 0 || m_row >= m_table->rowCount())
        return text;
    return mergeText(text, *m_table, m_row);
}

QString RowValues::line(const QString& text) const { return fill(text).replace(QLatin1Char('\t'), QLatin1Char(' ')); }

int movedRow(int row, int count, RowMove move)
{
    const int last = std::max(0, count - 1);
    switch (move) {
    case RowMove::First: return 0;
    case RowMove::Previous: return std::clamp(row - 1, 0, last);
    case RowMove::Next: return std::clamp(row + 1, 0, last);
    case RowMove::Last: return last;
    }
    return std::clamp(row, 0, last);
}

}  // namespace plk
