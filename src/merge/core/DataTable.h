#pragma once
// The rows of a mail-merge data file: the field names of its first row and the
// values of every other row.
//
// A file may hold 100,000 rows; the values are kept in one string with the end of
// every cell, rather than a string per cell, so that a large file costs little more
// than its text.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace plk {

class DataTable {
public:
    DataTable() = default;
    explicit DataTable(QStringList fields);

    /// The field names, as the first row gives them (blanks around them removed).
    const QStringList& fields() const { return m_fields; }
    /// The index of the first field of that name; -1 when there is none.
    int fieldIndex(QStringView name) const;

    int rowCount() const { return int(m_rowStarts.size()); }
    /// The value of a field in a row; empty when the row is shorter than the first row.
    QString value(int row, int field) const;

    /// Appends a value to the row being built; values past the last field are dropped.
    void addValue(QStringView value);
    /// Closes the row being built. A row whose values are all empty (the blank rows
    /// spreadsheets leave at the end of a range) is not kept.
    void endRow();

    /// The folder of the file the rows were read from, where a value naming a file
    /// relatively starts (empty: the current folder).
    const QString& folder() const { return m_folder; }
    void setFolder(const QString& folder) { m_folder = folder; }

private:
    QStringList m_fields;
    QString m_folder;
    QString m_text;                       // every value, one after the other
    std::vector<std::uint32_t> m_ends;    // where each value ends in m_text
    std::vector<std::uint32_t> m_rowStarts;  // index in m_ends of each row's first value
    std::uint32_t m_pendingStart = 0;     // first value of the row being built
    bool m_pendingFilled = false;
};

}  // namespace plk
