#pragma once
// Printing a tab on sheets of labels, and the page pictures of its preview.
//
// A print job goes to an installed printer (CUPS through Qt's printing) or, for a
// user without a printer, to a PDF file: the printer list ends with that entry.

#include "print/core/SheetLayout.h"

#include <QImage>
#include <QPoint>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>


namespace plk {

class Etiquette;

/// The last entry of the printer list: the sheets go to a PDF file.
inline const QString kPdfFileEntry = QStringLiteral("Imprimer dans un fichier PDF");

/// The printers installed on the system.
class PrinterCatalog {
public:
    virtual ~PrinterCatalog() = default;
    /// Device names, in the system's order.
    virtual QStringList printerNames() const = 0;
    /// The system's current (default) printer; empty when there is none.
    virtual QString defaultPrinterName() const = 0;
    /// A printer object for an installed printer; null when none has that name.
    virtual std::unique_ptr<QPrinter> printer(const QString& name) const = 0;
};

/// The printers CUPS knows.
class SystemPrinters final : public PrinterCatalog {
public:
    QStringList printerNames() const override;
    QString defaultPrinterName() const override;
    std::unique_ptr<QPrinter> printer(const QString& name) const override;
};

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

/// Makes a printer object for a list entry: an installed printer or, for the PDF
/// entry, a PDF writer to `pdfFile`. Null when the entry names no printer.
std::unique_ptr<QPrinter> printerForEntry(const PrinterCatalog& printers, const QString& entry,
                                          const QString& pdfFile = QString());

/// Sets a printer up for sheets of labels: A4 portrait, and margins at the printer's
/// minimum so that drawing starts at the corner of its printable area.
void prepareSheets(QPrinter& printer);

/// The printer's unprintable margins (the offset of its printable area from the
/// paper's corner) in whole millimetres, left in x and top in y.
QPoint printerMargins(QPrinter& printer);

/// Prints the tab's sheets on the printer of its `PrinterName` (a PDF entry writes
/// `pdfFile`), at the print quality of its `Resolution`. True when the document was
/// completed and handed over; false when no printer could be selected or set up, or
/// drawing failed, and then the job is abandoned.
bool Print_Projet(Etiquette& tab, const LayoutValues& values, const PrinterCatalog& printers,
                  const QString& pdfFile = QString());

/// Page size of the preview's page pictures, in twips: A4 at 56.7 twips per mm.
inline constexpr double kPageWidthTwips = 210 * 56.7;
inline constexpr double kPageHeightTwips = 297 * 56.7;

/// The preview's page pictures, one per sheet, with the tab's whole picture pasted
/// at every label position.
std::vector<QImage> previewPages(const Etiquette& tab, const LayoutValues& values);

}  // namespace plk
