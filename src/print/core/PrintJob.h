#pragma once
// Printing a tab on sheets of labels, and the page pictures of its preview.
//
// The sheets are drawn on any paged device: a PDF file here, an installed printer
// through the user interface's printing (CUPS), which reuses the same drawing.

#include "base/core/FileWriter.h"
#include "print/core/SheetLayout.h"

#include <QImage>
#include <QSizeF>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>


class QPagedPaintDevice;
class QPainter;

namespace plk {

class Etiquette;

/// The last entry of the printer list: the sheets go to a PDF file.
inline const QString kPdfFileEntry = QStringLiteral("Imprimer dans un fichier PDF");

/// A print quality of the set-up's list: its text, the code handed to the printer,
/// and the resolution that code stands for.
struct PrintQuality {
    QString text;
    std::int16_t code;
    int dotsPerInch;
};

/// The quality list, index 0 (lowest) to 3 (highest).
const std::array<PrintQuality, 4>& printQualities();
/// The resolution a quality code stands for; 0 for a code that is none of them.
int dotsPerInchForQuality(std::int16_t code);
/// The quality code the set-up chooses for a stored quality index: the one of the
/// list entry, or that of the second entry (the set-up's first choice) for an index
/// outside the list.
std::int16_t qualityCodeForIndex(int index);

/// Draws the tab's sheets through a painter that has begun on a paged device (a
/// printer or a PDF writer) whose printable area is `pageMm` at `dotsPerInch`. False
/// when a page could not be started or drawing failed.
bool paintSheets(QPainter& painter, QPagedPaintDevice& device, QSizeF pageMm, QSizeF dotsPerInch,
                 const Etiquette& tab, const LayoutValues& values);

/// Writes the tab's sheets as an A4 PDF file at the print quality of its `Resolution`
/// (the sheet starts at the paper's corner: a file has no unprintable margin). The
/// file is replaced only once the new one is complete, so a failure leaves the old
/// file as it was. Returns an empty string on success, otherwise the reason (the
/// system's own when writing failed).
QString printSheetsToPdf(const Etiquette& tab, const LayoutValues& values, const QString& pdfFile,
                         const FileWriter& writer = FileWriter());

/// Page size of the preview's page pictures, in twips: A4 at 56.7 twips per mm.
inline constexpr double kPageWidthTwips = 210 * 56.7;
inline constexpr double kPageHeightTwips = 297 * 56.7;

/// The preview's page pictures, one per sheet, with the tab's whole picture pasted
/// at every label position.
std::vector<QImage> previewPages(const Etiquette& tab, const LayoutValues& values);

/// The same pages at `dotsPerInch` (the tab's picture painted afresh at that
/// resolution), handed to `take` one at a time as each is finished, numbered from 1;
/// `take` returns false to stop. False when it stopped.
bool forEachPreviewPage(const Etiquette& tab, const LayoutValues& values, double dotsPerInch,
                        const std::function<bool(int number, const QImage& page)>& take);

}  // namespace plk
