#include "print/ui/PrinterOutput.h"

#include "base/core/Rounding.h"
#include "base/core/Surface.h"
#include "canvas/core/Etiquette.h"
#include "print/core/CalibrationSheet.h"
#include "print/core/PaperPage.h"

#include <QPainter>
#include <QPrinterInfo>

namespace plk {

QStringList SystemPrinters::printerNames() const { return QPrinterInfo::availablePrinterNames(); }

QString SystemPrinters::defaultPrinterName() const { return QPrinterInfo::defaultPrinterName(); }

std::unique_ptr<QPrinter> SystemPrinters::printer(const QString& name) const
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (name.isEmpty() || info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

std::unique_ptr<QPrinter> printerForEntry(const PrinterCatalog& printers, const QString& entry, const QString& pdfFile)
{
    if (entry != kPdfFileEntry)
        return printers.printer(entry);
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(pdfFile);
    return pdf;
}

void prepareSheets(QPrinter& printer, const Paper& paper)
{
    printer.setFullPage(false);
    // Setting the size anew resets the minimum margins on some print engines; a
    // printer already at the paper's size keeps the ones its driver gave.
    const QPageLayout wanted = pageLayoutOf(paper);
    if (!printer.pageLayout().pageSize().isEquivalentTo(wanted.pageSize()))
        printer.setPageSize(wanted.pageSize());
    printer.setPageOrientation(wanted.orientation());
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
}

QPoint printerMargins(QPrinter& printer, const Paper& paper)
{
    prepareSheets(printer, paper);
    const QPointF offset =
        printer.pageRect(QPrinter::DevicePixel).topLeft() - printer.paperRect(QPrinter::DevicePixel).topLeft();
    const auto toMm = [](double pixels, int dotsPerInch) {
        const double twipsPerPixel = kTwipsPerInch / dotsPerInch;
        return roundClamped<int>(pixels * twipsPerPixel / kTwipsPerMm);
    };
    return {toMm(offset.x(), printer.logicalDpiX()), toMm(offset.y(), printer.logicalDpiY())};
}

bool Print_Projet(Etiquette& tab, const LayoutValues& values, const PrinterCatalog& printers, const QString& pdfFile,
                  const DataTable* data, QString* pdfFailure, JobExtras extras)
{
    if (tab.PrinterName().isEmpty())
        return false;
    if (tab.PrinterName() == kPdfFileEntry) {
        const QString reason = printSheetsToPdf(tab, values, pdfFile, data, extras);
        if (pdfFailure)
            *pdfFailure = reason;
        return reason.isEmpty();
    }

    const std::unique_ptr<QPrinter> printer = printers.printer(tab.PrinterName());
    const int dotsPerInch = dotsPerInchForQuality(tab.Resolution());
    if (!printer || dotsPerInch == 0)
        return false;
    printer->setDocName(tab.documentTitle());
    prepareSheets(*printer, paperOf(tab.print()));
    printer->setResolution(dotsPerInch);
    // Backs go on the other side of the same sheet, turned as the tab says.
    if (const auto flip = jobFlip(tab, values, data, extras.designs))
        printer->setDuplex(*flip == SheetFlip::LongEdge ? QPrinter::DuplexLongSide : QPrinter::DuplexShortSide);
    // A printer that makes copies itself (CUPS repeats the document where the device
    // cannot) gets the sheets once, with the count and the order to make.
    const PrintOptions options = tab.print().options.value_or(PrintOptions());
    extras.copiesByDevice = options.copies > 1 && printer->supportsMultipleCopies();
    if (extras.copiesByDevice) {
        printer->setCopyCount(options.copies);
        printer->setCollateCopies(options.collate);
    }

    QPainter painter;
    if (!painter.begin(printer.get()))
        return false;
    const QSizeF pageMm = printer->pageRect(QPrinter::Millimeter).size();
    const QSizeF dpi(printer->logicalDpiX(), printer->logicalDpiY());
    extras.marginMm =
        printer->pageRect(QPrinter::Millimeter).topLeft() - printer->paperRect(QPrinter::Millimeter).topLeft();
    if (paintSheets(painter, *printer, pageMm, dpi, tab, values, data, extras) && painter.end())
        return true;
    printer->abort();
    if (painter.isActive())
        painter.end();
    return false;
}

bool printCalibrationSheet(const PrinterCatalog& printers, const QString& name)
{
    const std::unique_ptr<QPrinter> printer = printers.printer(name);
    if (!printer)
        return false;
    printer->setDocName(QStringLiteral("Étalonnage"));
    prepareSheets(*printer);
    QPainter painter;
    if (!painter.begin(printer.get()))
        return false;
    const QPointF margin =
        printer->pageRect(QPrinter::Millimeter).topLeft() - printer->paperRect(QPrinter::Millimeter).topLeft();
    paintCalibrationSheet(painter, printer->pageRect(QPrinter::Millimeter).size(),
                          QSizeF(printer->logicalDpiX(), printer->logicalDpiY()), margin, name);
    return painter.end();
}

}  // namespace plk
