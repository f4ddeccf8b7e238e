#include "print/core/PrintJob.h"

#include "canvas/core/Etiquette.h"
#include "canvas/core/ImageSurface.h"
#include "document/core/Rounding.h"
#include "print/core/PrinterSurface.h"
#include "print/core/SheetRenderer.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace plk {

namespace {

constexpr double kTwipsPerInch = 1440.0;

/// The pages of a print job, each drawn on through the printer's painter.
class PrinterPages final : public SheetOutput {
public:
    PrinterPages(QPainter& painter, QPrinter& printer)
        : m_printer(printer),
          m_surface(painter, printer.pageRect(QPrinter::Millimeter).size(),
                    QSizeF(printer.logicalDpiX(), printer.logicalDpiY()))
    {
    }
    Surface& sheet() override { return m_surface; }
    bool newSheet() override { return m_printer.newPage(); }

private:
    QPrinter& m_printer;
    PrinterSurface m_surface;
};

/// The preview's A4 page pictures, white, drawn in millimetres.
class PagePictures final : public SheetOutput {
public:
    PagePictures() { newSheet(); }
    Surface& sheet() override { return m_pages.back(); }
    bool newSheet() override
    {
        m_pages.push_back(ImageSurface::fromTwips(kPageWidthTwips, kPageHeightTwips));
        m_pages.back().setScaleMode(Surface::ScaleMode::Millimetres);
        return true;
    }
    std::vector<QImage> images() const
    {
        std::vector<QImage> out;
        out.reserve(m_pages.size());
        for (const ImageSurface& page : m_pages)
            out.push_back(page.image());
        return out;
    }

private:
    std::vector<ImageSurface> m_pages;
};

}  // namespace

// --- printers ---------------------------------------------------------------------------

QStringList SystemPrinters::printerNames() const { return QPrinterInfo::availablePrinterNames(); }

QString SystemPrinters::defaultPrinterName() const { return QPrinterInfo::defaultPrinterName(); }

std::unique_ptr<QPrinter> SystemPrinters::printer(const QString& name) const
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (name.isEmpty() || info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

const std::array<PrintQuality, 4>& printQualities()
{
    // The codes are the symbolic qualities (lowest to highest), not dot counts.
    static const std::array<PrintQuality, 4> qualities{{
        {QStringLiteral("  35 Dpi"), -1, 35},
        {QStringLiteral("  75 Dpi"), -2, 75},
        {QStringLiteral("150 Dpi"), -3, 150},
        {QStringLiteral("300 Dpi"), -4, 300},
    }};
    return qualities;
}

int dotsPerInchForQuality(std::int16_t code)
{
    for (const PrintQuality& q : printQualities())
        if (q.code == code)
            return q.dotsPerInch;
    return 0;
}

std::int16_t qualityCodeForIndex(int index)
{
    const auto& qualities = printQualities();
    return qualities[std::size_t(index >= 0 && index < int(qualities.size()) ? index : 1)].code;
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

void prepareSheets(QPrinter& printer)
{
    printer.setFullPage(false);
    // Setting the size anew resets the minimum margins on some print engines; a
    // printer already at A4 keeps the ones its driver gave.
    if (printer.pageLayout().pageSize().id() != QPageSize::A4)
        printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
}

QPoint printerMargins(QPrinter& printer)
{
    prepareSheets(printer);
    const QPointF offset =
        printer.pageRect(QPrinter::DevicePixel).topLeft() - printer.paperRect(QPrinter::DevicePixel).topLeft();
    const auto toMm = [](double pixels, int dotsPerInch) {
        const double twipsPerPixel = kTwipsPerInch / dotsPerInch;
        return int(roundHalfEven(pixels * twipsPerPixel / kTwipsPerMm));
    };
    return {toMm(offset.x(), printer.logicalDpiX()), toMm(offset.y(), printer.logicalDpiY())};
}

// --- the print job ----------------------------------------------------------------------

bool Print_Projet(Etiquette& tab, const LayoutValues& values, const PrinterCatalog& printers, const QString& pdfFile)
{
    const SheetLayout layout(values, QSizeF(tab.prjWidth(), tab.prjHeight()));
    const QImage background = tab.Picture(true);

    const bool toFile = tab.PrinterName == kPdfFileEntry;
    if (tab.PrinterName.isEmpty() || (toFile && pdfFile.isEmpty()))
        return false;
    const std::unique_ptr<QPrinter> printer = printerForEntry(printers, tab.PrinterName, pdfFile);
    const int dotsPerInch = dotsPerInchForQuality(tab.Resolution);
    if (!printer || dotsPerInch == 0)
        return false;
    printer->setDocName(tab.NameProjet.isEmpty() ? QStringLiteral("Plakatorium") : tab.NameProjet);
    prepareSheets(*printer);
    printer->setResolution(dotsPerInch);

    QPainter painter;
    if (!painter.begin(printer.get()))
        return false;
    painter.setBackgroundMode(Qt::TransparentMode);
    try {
        PrinterPages pages(painter, *printer);
        if (renderSheets(pages, layout, printedLabel(tab, background)) && painter.end())
            return true;
    } catch (const std::exception&) {
        // Out of memory or a picture that failed: the job is abandoned below.
    }
    printer->abort();
    if (painter.isActive())
        painter.end();
    if (toFile)
        QFile::remove(pdfFile);
    return false;
}

std::vector<QImage> previewPages(const Etiquette& tab, const LayoutValues& values)
{
    const QSizeF size(tab.prjWidth(), tab.prjHeight());
    const SheetLayout layout(values, size);
    PagePictures pages;
    renderSheets(pages, layout, pastedLabel(tab.Picture(false), size));
    return pages.images();
}

}  // namespace plk
