#pragma once
// gzip-compressed files (gLabels saves its projects so), inflated within a bound: a
// small hostile file can expand to gigabytes, so the output stops at `maxBytes`.

#include <QByteArray>
#include <QString>
#include <optional>

namespace plk {

/// Whether the bytes start with gzip's magic number.
bool isGzip(const QByteArray& data);

/// The inflated content of gzip data (several members are joined); nothing, with a
/// French reason, when the data is damaged, cut short or inflates beyond `maxBytes`.
std::optional<QByteArray> gunzip(const QByteArray& data, qint64 maxBytes, QString* reason = nullptr);

}  // namespace plk
