#include "canvas/core/PictureCache.h"

#include "base/core/RegularFile.h"

#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace plk {

namespace {

constexpr qint64 kBytesPerPixel = 4;

}  // namespace

PictureCache& PictureCache::shared()
{
    static PictureCache cache;
    return cache;
}

PictureCache::PictureCache(qint64 budgetBytes, qint64 maxPictureBytes)
    : m_budget(budgetBytes), m_maxPicture(maxPictureBytes)
{
}

int PictureCache::decodeCount() const
{
    const std::lock_guard lock(m_mutex);
    return m_decodes;
}

void PictureCache::clear()
{
    const std::lock_guard lock(m_mutex);
    m_entries.clear();
    m_recent.clear();
    m_bytes = 0;
}

PictureCache::Result PictureCache::load(const QString& path, QSizeF drawnMm)
{
    const std::optional<FileStamp> stamp = regularFileStamp(path);
    if (!stamp)
        return {};
    Key key{path, stamp->modifiedNs, stamp->size};
    std::optional<Result> full = find(key);
    if (!full) {
        // Decoded outside the lock: another file may be decoded meanwhile.
        full = decode(path, key);
        if (full->outcome != Outcome::Missing)
            store(key, *full);
    }
    if (full->outcome != Outcome::Picture || drawnMm.isEmpty())
        return *full;
    return reduced(key, *full, drawnMm);
}

std::optional<PictureCache::Result> PictureCache::find(const Key& key)
{
    const std::lock_guard lock(m_mutex);
    const auto found = m_entries.find(key);
    if (found == m_entries.end())
        return std::nullopt;
    m_recent.splice(m_recent.begin(), m_recent, found->recent);
    return found->result;
}

PictureCache::Result PictureCache::reduced(Key key, const Result& full, QSizeF drawnMm)
{
    // The pixels 600 dpi needs, against those the picture has: halved while it keeps
    // at least as many in both directions.
    const QSize has = full.picture.size();
    const double need = std::max(drawnMm.width() / 25.4 * kKeptDotsPerInch / has.width(),
                                 drawnMm.height() / 25.4 * kKeptDotsPerInch / has.height());
    int halvings = 0;
    while (halvings < 16 && need * double(1 << (halvings + 1)) <= 1.0)
        ++halvings;
    if (halvings == 0)
        return full;
    key.halvings = halvings;
    if (std::optional<Result> found = find(key))
        return *found;
    const QSize size((has.width() + (1 << halvings) - 1) >> halvings, (has.height() + (1 << halvings) - 1) >> halvings);
    QImage picture = full.picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(full.picture.devicePixelRatio() * picture.width() / has.width());
    const Result result{Outcome::Picture, picture};
    store(key, result);
    return result;
}

PictureCache::Result PictureCache::decode(const QString& path, Key& key)
{
    const std::unique_ptr<QFile> file = openRegularFile(path);
    if (!file)
        return {};
    // The version opened, should the file have been replaced since it was looked at.
    if (const std::optional<FileStamp> opened = regularFileStamp(*file))
        key = Key{path, opened->modifiedNs, opened->size};
    {
        const std::lock_guard lock(m_mutex);
        ++m_decodes;
    }
    // An empty file is no picture (and files of the system's pseudo file systems,
    // which all say they are empty, are never read).
    if (key.size == 0)
        return {Outcome::NotAPicture, {}};
    QImageReader reader(file.get());
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (stored.isValid() && qint64(stored.width()) * stored.height() * kBytesPerPixel > m_maxPicture) {
        const double k = std::sqrt(double(m_maxPicture) / (double(stored.width()) * stored.height() * kBytesPerPixel));
        reader.setScaledSize(QSize(std::max(1, int(stored.width() * k)), std::max(1, int(stored.height() * k))));
    }
    QImage picture = reader.read();
    if (picture.isNull())
        return {Outcome::NotAPicture, {}};
    const QSize own = reader.transformation() & QImageIOHandler::TransformationRotate90 ? stored.transposed() : stored;
    // The picture takes its own size whatever the file says about its pixel ratio.
    picture.setDevicePixelRatio(own.isValid() && own.width() > 0 ? double(picture.width()) / own.width() : 1.0);
    return {Outcome::Picture, picture};
}

void PictureCache::store(const Key& key, const Result& result)
{
    const std::lock_guard lock(m_mutex);
    if (m_entries.contains(key))
        return;
    m_recent.push_front(key);
    m_entries.insert(key, Entry{result, m_recent.begin()});
    m_bytes += bytesOf(result);
    // The least recently used pictures go first; their users keep their own copies.
    while (m_bytes > m_budget && m_recent.size() > 1) {
        const auto last = m_entries.find(m_recent.back());
        m_bytes -= bytesOf(last->result);
        m_entries.erase(last);
        m_recent.pop_back();
    }
}

}  // namespace plk
