#include "merge/core/DataTable.h"

namespace plk {

DataTable::DataTable(QStringList fields) : m_fields(std::move(fields)) {}

int DataTable::fieldIndex(QStringView name) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i) == name)
            return i;
    }
    return -1;
}

QString DataTable::value(int row, int field) const
{
    if (row < 0 || row >= rowCount() || field < 0)
        return QString();
    const std::uint32_t first = m_rowStarts[std::size_t(row)];
    const std::uint32_t last = row + 1 < rowCount() ? m_rowStarts[std::size_t(row) + 1] : std::uint32_t(m_ends.size());
    const std::uint32_t cell = first + std::uint32_t(field);
    if (cell >= last)
        return QString();
    const std::uint32_t begin = cell == 0 ? 0 : m_ends[cell - 1];
    return m_text.mid(qsizetype(begin), qsizetype(m_ends[cell] - begin));
}

void DataTable::addValue(QStringView value)
{
    if (m_ends.size() - m_pendingStart >= std::size_t(m_fields.size()))
        return;
    m_text += value;
    m_ends.push_back(std::uint32_t(m_text.size()));
    m_pendingFilled = m_pendingFilled || !value.isEmpty();
}

void DataTable::endRow()
{
    if (m_pendingFilled) {
        m_rowStarts.push_back(m_pendingStart);
    } else {
        // Nothing of the row is worth a label: forget its (empty) cells.
        m_ends.resize(m_pendingStart);
    }
    m_pendingStart = std::uint32_t(m_ends.size());
    m_pendingFilled = false;
}

}  // namespace plk
