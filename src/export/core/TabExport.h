#pragma once
// Exporting a tab to a file: its snapshot as a picture (BMP, JPEG, GIF, PNG, TIFF) at
// a chosen resolution, or one page the tab's size as a PDF or SVG document, whose
// texts stay text and whose border stays a line. The file name's extension picks the
// format.

#include "merge/core/RowValues.h"

#include <QImage>
#include <QString>
#include <optional>

namespace plk {

class Etiquette;
class cGdiPlus;

/// The resolutions an export can be asked for; the screen's 96 dpi give the picture
/// the canvas shows.
inline constexpr int kMinExportDpi = 72;
inline constexpr int kMaxExportDpi = 1200;

enum class DocumentFormat { Pdf, Svg };

/// The document format a file name's extension names (".pdf", ".svg", any case).
std::optional<DocumentFormat> documentFormatFor(const QString& fileName);

struct ExportSettings {
    int dotsPerInch = 96;
    int quality = 80;             // JPEG only, 0..100
    bool backgroundOnly = false;  // the canvas alone, without the objects
};

/// Why a snapshot of the tab at `dotsPerInch` is refused (its picture would pass
/// kMaxOutputPixels), with the highest resolution that is not; empty when it is not.
QString snapshotTooLarge(const Etiquette& tab, int dotsPerInch);

/// Writes the tab as one page of its own size: the background painted as a picture
/// at `dotsPerInch` (300 at least), texts as text (in SVG drawn as the outlines of
/// their letters), logos as their own pictures, the border as a line; the texts filled
/// from `row` when one is given. An existing file
/// is replaced only once the new one is complete. Returns an empty string on success,
/// otherwise the reason (the system's own when writing failed).
QString writeTabDocument(const Etiquette& tab, DocumentFormat format, const QString& fileName,
                         const ExportSettings& settings, const RowValues& row = RowValues());

/// Writes the tab in the format the file name's extension asks for: a document, or
/// the snapshot at the settings' resolution through `writer` (which reports its
/// failures through its Error signal). `picture`, when given, receives the snapshot
/// written. The texts are filled from `row` when one is given. False when no format
/// claims the extension or writing failed.
bool exportTab(cGdiPlus& writer, const Etiquette& tab, const QString& fileName, const ExportSettings& settings,
               QImage* picture = nullptr, const RowValues& row = RowValues());

}  // namespace plk
