#include "export/core/EncoderTable.h"

#include <QStringList>

namespace plk {

bool EncoderTable::AddEncoderKeys(const QString& list, QChar separator, int index)
{
    QStringList pieces = list.split(separator);
    if (!pieces.isEmpty() && pieces.last().trimmed().isEmpty())
        pieces.removeLast();
    for (const QString& piece : pieces) {
        const QString key = piece.trimmed().toUpper();
        if (m_index.contains(key))
            return false;
        m_index.insert(key, index);
    }
    return true;
}

int EncoderTable::EncoderIndex(const QString& key) const
{
    return m_index.value(key.toUpper(), -1);
}

QString EncoderTable::FileExtension(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {};
    const QString rest = path.mid(dot + 1);
    // A dot in a folder's name is no extension of the file.
    if (rest.contains(QLatin1Char('/')) || rest.contains(QLatin1Char('\\')))
        return {};
    return rest;
}

}  // namespace plk
