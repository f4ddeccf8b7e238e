#pragma once
// Which encoder writes which file name: every file pattern an encoder claims
// ("*.JPG", "*.TIFF" ...) is a key to that encoder's index. Keys ignore case.

#include <QHash>
#include <QString>

namespace plk {

class EncoderTable {
public:
    /// Adds each pattern of a separated list (blanks around a piece are dropped, an
    /// empty last piece is skipped) under the encoder's index. A pattern another
    /// encoder already claims stops the adding for this list; returns false then.
    bool AddEncoderKeys(const QString& list, QChar separator, int index);
    /// The index of the encoder claiming the pattern, or -1.
    int EncoderIndex(const QString& key) const;
    void clear() { m_index.clear(); }

    /// The text after the last "." of a path, when no folder separator follows it;
    /// otherwise empty.
    static QString FileExtension(const QString& path);

private:
    QHash<QString, int> m_index;  // upper-case pattern -> encoder index
};

}  // namespace plk
