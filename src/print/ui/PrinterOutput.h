#pragma once
// Printing on the printers CUPS knows: the printer list, a printer set up for the
// sheets of labels (A4 unless the tab names another paper), and the print job that
// goes to an installed printer or, for the last entry of the list, to a PDF file.

#include "print/core/PrintJob.h"

#include <QPoint>
#include <QPrinter>
#include <QStringList>
#include <memory>

namespace plk {

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

/// Makes a printer object for a list entry: an installed printer or, for the PDF
/// entry, a PDF writer to `pdfFile`. Null when the entry names no printer.
std::unique_ptr<QPrinter> printerForEntry(const PrinterCatalog& printers, const QString& entry,
                                          const QString& pdfFile = QString());

/// Sets a printer up for sheets of labels: the paper (A4 portrait unless another is
/// given), and margins at the printer's minimum so that drawing starts at the corner
/// of its printable area.
void prepareSheets(QPrinter& printer, const Paper& paper = Paper{QStringLiteral("A4")});

/// The printer's unprintable margins (the offset of its printable area from the
/// paper's corner) in whole millimetres, left in x and top in y.
QPoint printerMargins(QPrinter& printer, const Paper& paper = Paper{QStringLiteral("A4")});

/// Prints the tab's sheets on the printer of its `PrinterName` (the PDF entry writes
/// `pdfFile`), at the print quality of its `Resolution`, with one label per row of
/// `data` when given. True when the document was completed and handed over; false
/// when no printer could be selected or set up, or drawing failed, and then the job
/// is abandoned. A PDF file that could not be written is left as it was, and
/// `pdfFailure` gets the reason. `extras` gives the other tabs' designs and the
/// printer's calibration; the printer's own margins are found here.
bool Print_Projet(Etiquette& tab, const LayoutValues& values, const PrinterCatalog& printers,
                  const QString& pdfFile = QString(), const DataTable* data = nullptr,
                  QString* pdfFailure = nullptr, JobExtras extras = {});

/// Prints the calibration's test sheet on an installed printer, without calibration.
/// False when the printer could not be selected or set up, or drawing failed.
bool printCalibrationSheet(const PrinterCatalog& printers, const QString& printer);

}  // namespace plk
