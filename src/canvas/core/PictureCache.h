#pragma once
// Decoded picture files, shared by every logo and background of every tab and project
// that shows the same file: a file is decoded once per version (path, modification
// time and size) and every user holds the same pixels.
//
// A picture much larger than the size it is drawn at is handed out reduced, by halves,
// keeping enough pixels to print that size at 600 dpi; the reduced pictures are shared
// too. A picture larger than the decoding budget is decoded reduced. A reduced picture
// keeps its own size as its device-independent size (its device pixel ratio is below
// 1), so it still takes the place and the size of the file's picture.

#include <QHash>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <list>
#include <mutex>
#include <optional>

namespace plk {

class PictureCache {
public:
    enum class Outcome { Missing, NotAPicture, Picture };
    struct Result {
        Outcome outcome = Outcome::Missing;
        QImage picture;  // set for Outcome::Picture
    };

    /// The one cache of the program.
    static PictureCache& shared();

    /// `budgetBytes`: decoded pixels kept for later users; `maxPictureBytes`: the
    /// largest picture decoded at full size.
    explicit PictureCache(qint64 budgetBytes = kDefaultBudget, qint64 maxPictureBytes = kDefaultMaxPicture);

    /// The picture of a file. A path that names no regular file is Missing; a regular
    /// file that does not decode is NotAPicture. With the size it is drawn at, a
    /// picture at least twice as large as 600 dpi needs comes reduced.
    Result load(const QString& path, QSizeF drawnMm = QSizeF());

    /// The resolution a picture keeps for the size it is drawn at.
    static constexpr double kKeptDotsPerInch = 600;

    /// How many files were decoded since the cache was made (each version once).
    int decodeCount() const;
    /// Forgets every picture (users keep theirs).
    void clear();

    static constexpr qint64 kDefaultBudget = 256LL << 20;
    static constexpr qint64 kDefaultMaxPicture = 128LL << 20;

private:
    struct Key {
        QString path;
        qint64 modified = 0;  // ns since the epoch
        qint64 size = 0;
        int halvings = 0;  // 0 for the file's picture, n for one reduced n times by half
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed)
    {
        return qHashMulti(seed, key.path, key.modified, key.size, key.halvings);
    }
    struct Entry {
        Result result;
        std::list<Key>::iterator recent;
    };

    std::optional<Result> find(const Key& key);
    Result decode(const QString& path, Key& key);
    Result reduced(Key key, const Result& full, QSizeF drawnMm);
    void store(const Key& key, const Result& result);
    static qint64 bytesOf(const Result& result) { return result.picture.sizeInBytes(); }

    mutable std::mutex m_mutex;
    QHash<Key, Entry> m_entries;
    std::list<Key> m_recent;  // most recently used first
    qint64 m_bytes = 0;
    int m_decodes = 0;
    qint64 m_budget;
    qint64 m_maxPicture;
};

}  // namespace plk
