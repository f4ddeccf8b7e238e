#pragma once
// One row of a data file as a label's texts are painted with it. Every place that
// paints a text for a row (the canvas, a snapshot, an export, a printed or previewed
// label) fills it through `fill`, so a marker reads the same wherever it shows.

#include "merge/core/BuiltInMarkers.h"
#include "merge/core/DataTable.h"
#include "merge/core/FieldMarkers.h"

#include <QString>

namespace plk {

class RowValues {
public:
    /// No row: texts are painted as typed.
    RowValues() = default;
    /// Row `row` (from 0) of the table, which must outlive these values.
    RowValues(const DataTable* table, int row) : m_table(table), m_row(row) {}
    /// The same (the table may be null) with the built-in markers of a print run, which
    /// must outlive these values too, the counter at its `counterIndex`-th value.
    RowValues(const DataTable* table, int row, const BuiltInValues* builtIns, qint64 counterIndex)
        : m_table(table), m_row(row), m_builtIns(builtIns), m_counterIndex(counterIndex)
    {
    }

    /// Texts are painted as typed.
    bool empty() const { return m_table == nullptr && m_builtIns == nullptr; }
    const DataTable* table() const { return m_table; }
    int row() const { return m_row; }

    /// The text with the row's values in place of its markers (see mergeText); the
    /// text itself without a row.
    QString fill(const QString& text) const;
    /// A text object's line as it is drawn: filled, a tab (typed, read or from a
    /// value) a space, since a line of a label has no tab stops. A line whose markers
    /// are all empty, with nothing else but blanks, is left out (empty).
    QString line(const QString& text) const;
    /// The file the row's value of `field` names, relative to the data file's folder
    /// unless absolute; empty when the row has no such field or the value is blank.
    QString filePath(const QString& field) const;
    /// A text box's lines as they are drawn: each typed line filled, a line break in a
    /// value starting a new line, a tab a space; a typed line whose markers are all
    /// empty, with nothing else but blanks, is left out.
    QStringList lines(const QString& text) const;

    bool operator==(const RowValues&) const = default;

private:
    MergedText merged(const QString& text, bool keepLineBreaks = false) const;

    const DataTable* m_table = nullptr;
    int m_row = -1;
    const BuiltInValues* m_builtIns = nullptr;
    qint64 m_counterIndex = 0;
};

/// The moves between the rows shown: first, previous, next, last.
enum class RowMove { First, Previous, Next, Last };

/// The row (from 0) a move leads to among `count` rows; the previous of the first
/// and the next of the last stay where they are.
int movedRow(int row, int count, RowMove move);

}  // namespace plk
