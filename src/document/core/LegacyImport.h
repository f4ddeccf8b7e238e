#pragma once
// Projects of the older format (".prj"): an initialisation file describing one
// design, with lengths in twips. The import builds a one-tab project from it.

#include "document/core/ProjectFile.h"

namespace plk {

/// Fills the project's first tab from the legacy file; `fileTitle` is the file's
/// name with its extension. On a value that does not convert the import stops and
/// the result says why; the caller then drops the project.
ReadResult importLegacyProject(const QString& path, const QString& fileTitle, Project& project,
                               const RegionalFormat& format = RegionalFormat::system());
/// The same from the file's bytes (the project's file path is left as it is).
ReadResult importLegacyData(const QByteArray& data, const QString& fileTitle, Project& project,
                            const RegionalFormat& format = RegionalFormat::system());

}  // namespace plk
