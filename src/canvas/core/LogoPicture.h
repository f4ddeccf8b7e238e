#pragma once
// Pictures of logo objects: the placeholder shown by a logo without a picture file,
// loading a picture file, and the size in millimetres a picture takes on its own.

#include <QImage>
#include <QSizeF>
#include <QString>
#include <optional>

namespace plk {

/// The 32 x 32 placeholder picture (drawn once, shared).
QImage placeholderLogoPicture();

/// True when the path names an existing regular file. A folder, a FIFO, a device or
/// a socket counts as no file at all.
bool pictureFileExists(const QString& path);

/// The picture in the file, or nothing when it cannot be read as a picture. Files
/// are decoded once and shared (see PictureCache); with the size the picture is drawn
/// at, one much larger comes reduced to what that size needs.
std::optional<QImage> loadPictureFile(const QString& path, QSizeF drawnMm = QSizeF());

/// The size a picture shows at on its own: its pixels at 15 twips each, in mm.
QSizeF naturalSizeMm(const QImage& picture);

}  // namespace plk
