#include "merge/core/RowValues.h"

#include "merge/core/FieldMarkers.h"

namespace plk {

QString RowValues::fill(const QString& text) const
{
    if (!m_table || m_row < 0 || m_row >= m_table->rowCount())
        return text;
    return mergeText(text, *m_table, m_row);
}

}  // namespace plk
