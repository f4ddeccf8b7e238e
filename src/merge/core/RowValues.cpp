#include "merge/core/RowValues.h"

#include <QDir>
#include <algorithm>

namespace plk {

MergedText RowValues::merged(const QString& text, bool keepLineBreaks) const
{
    const bool rowKnown = m_table && m_row >= 0 && m_row < m_table->rowCount();
    if (!rowKnown && !m_builtIns)
        return {text};
    return fillMarkers(text, [this, rowKnown](QStringView name) -> std::optional<QString> {
        // The data file's own field first: a file may have a column "Date" of its own.
        if (rowKnown) {
            if (const int field = m_table->fieldIndex(name); field >= 0)
                return m_table->value(m_row, field);
        }
        return m_builtIns ? m_builtIns->value(name, m_counterIndex) : std::nullopt;
    }, keepLineBreaks);
}

QString RowValues::fill(const QString& text) const { return merged(text).text; }

QString RowValues::line(const QString& text) const
{
    MergedText filled = merged(text);
    if (filled.onlyEmptyMarkers)
        return QString();
    return filled.text.replace(QLatin1Char('\t'), QLatin1Char(' '));
}

QString RowValues::filePath(const QString& field) const
{
    const int index = m_table ? m_table->fieldIndex(field) : -1;
    const QString value = index >= 0 ? m_table->value(m_row, index).trimmed() : QString();
    if (value.isEmpty())
        return QString();
    return QDir::cleanPath(QDir(m_table->folder()).absoluteFilePath(value));
}

QStringList RowValues::lines(const QString& text) const
{
    QStringList lines;
    for (const QString& typed : text.split(QLatin1Char('\n'))) {
        MergedText filled = merged(typed, true);
        if (!filled.onlyEmptyMarkers)
            lines += filled.text.remove(QLatin1Char('\r')).replace(QLatin1Char('\t'), QLatin1Char(' ')).split(QLatin1Char('\n'));
    }
    return lines;
}

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
