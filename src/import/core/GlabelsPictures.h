#pragma once
// The pictures a gLabels project embeds (PNG, SVG, or gLabels 3's "Pixdata": a
// serialised GdkPixdata) become files beside our project, so that its logos name them.

#include "import/core/GlabelsDocument.h"

#include <QImage>
#include <optional>

namespace plk {

/// A GdkPixdata stream (8-bit RGB or RGBA, raw or run-length encoded) as a picture;
/// nothing when it is damaged or larger than 20 million pixels.
std::optional<QImage> decodePixdata(const QByteArray& data);

/// Writes the picture into `folder` as "<prefix>-<its name>.<ext>" and returns the
/// file's path. A file of that name holding the same bytes is used as it is; one
/// holding others is left alone and "-2", "-3" ... are tried. Throws nothing:
/// failures give an empty path and `reason`.
QString writeEmbeddedPicture(const GlabelsPicture& picture, const QString& folder, const QString& prefix,
                             QString* reason);

}  // namespace plk
