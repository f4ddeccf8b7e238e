#pragma once
// Opening a gLabels project (".glabels": gzip-compressed or plain XML, of gLabels 3 or
// glabels-qt 4) as a one-tab project of ours. The file is read into a description,
// the description becomes the records of our project file, and the project reader
// reads those records as it reads any file. The ".glabels" file itself is only read:
// the project is saved under a name of our own.

#include "document/core/ProjectFile.h"

#include <QStringList>

namespace plk {

class Catalogue;

/// A ".glabels" file holds at most this many bytes, compressed or not, and inflates
/// to at most this many.
inline constexpr qint64 kMaxGlabelsFileBytes = 32LL << 20;
inline constexpr qint64 kMaxGlabelsXmlBytes = 64LL << 20;

/// Whether the path names a gLabels project (by its extension).
bool isGlabelsFile(const QString& path);

struct GlabelsImport {
    ReadResult result;
    /// What could not be carried over, one French line each.
    QStringList losses;
};

/// Fills the project's first tab from the gLabels file. Embedded pictures are written
/// as files into `picturesFolder` (the gLabels file's own folder when empty). A file
/// that names its product without describing it takes the product from `catalogue`.
/// The project keeps no file path, so that saving asks for a name.
GlabelsImport importGlabelsProject(const QString& path, Project& project, const QString& picturesFolder = QString(),
                                   const RegionalFormat& format = RegionalFormat::system(),
                                   const Catalogue* catalogue = nullptr);

/// The message that lists the losses for the user, naming the file.
QString glabelsLossesMessage(const QString& path, const QStringList& losses);

}  // namespace plk
