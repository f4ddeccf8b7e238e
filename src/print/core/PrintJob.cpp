#include "print/core/PrintJob.h"

#include "canvas/core/Etiquette.h"
#include "canvas/core/ImageSurface.h"
#include "canvas/core/TabRenderer.h"
#include "merge/core/DataTable.h"
#include "print/core/PaperPage.h"
#include "print/core/PdfSheetSurface.h"
#include "print/core/PrintMarks.h"
#include "print/core/PrinterSurface.h"

#include <QPainter>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <algorithm>
#include <optional>

namespace plk {

namespace {

/// The pages of a print job, each drawn on through the device's painter.
class DevicePages final : public SheetOutput {
public:
    DevicePages(QPainter& painter, QPagedPaintDevice& device, QSizeF pageMm, QSizeF dotsPerInch,
                const JobExtras& extras, bool mirrored)
        : m_device(device), m_surface(painter, pageMm, dotsPerInch), m_extras(extras)
    {
        if (mirrored)
            m_surface.mirror();
    }
    Surface& sheet() override { return m_surface; }
    bool newSheet() override { return m_device.newPage(); }
    void turnTo(bool back) override
    {
        m_surface.setCorrection(m_extras.calibration.correction(m_extras.marginMm, back, kTwipsPerInch / 25.4));
    }

private:
    QPagedPaintDevice& m_device;
    PrinterSurface m_surface;
    const JobExtras& m_extras;
};

/// The pages of a PDF file of our own.
class PdfPages final : public SheetOutput {
public:
    PdfPages(PdfDocument& document, QSizeF pageMm, double pageHeightPoints, double dotsPerInch,
             const JobExtras& extras, bool mirrored)
        : m_surface(document, pageMm, pageHeightPoints, dotsPerInch), m_extras(extras)
    {
        if (mirrored)
            m_surface.mirror();
    }
    PdfSheetSurface& sheet() override { return m_surface; }
    bool newSheet() override
    {
        // Something on the sheets this writer cannot draw: the job stops here for Qt's.
        if (m_surface.unsupported())
            return false;
        m_surface.newPage();
        return true;
    }
    void turnTo(bool back) override
    {
        m_surface.setCorrection(m_extras.calibration.correction(m_extras.marginMm, back, kTwipsPerInch / 25.4));
    }

private:
    PdfSheetSurface m_surface;
    const JobExtras& m_extras;
};

/// Each design of the plan as the printer gets it, its background painted afresh at
/// the printer's resolution (300 dpi at least), not the screen's picture enlarged; a
/// giant tab at what keeps memory bounded. Nothing when a background is too large to
/// paint at that resolution.
std::optional<std::vector<LabelArt>> printedDesigns(const SheetPlan& plan, QSizeF dotsPerInch)
{
    std::vector<LabelArt> arts;
    for (const Design& design : plan.designs()) {
        const Etiquette& tab = *design.tab;
        const double backgroundDpi = dotsPerInchWithin(
            tab.canvasTwips(), std::max<double>(kPrintDpi, std::max(dotsPerInch.width(), dotsPerInch.height())),
            kMaxDocumentPixels);
        const QImage background = TabRenderer(tab).background(backgroundDpi);
        if (background.isNull() && !tab.canvasPixels().isEmpty())
            return std::nullopt;
        arts.push_back(printedLabel(tab, background));
    }
    return arts;
}

}  // namespace

// --- print qualities ---------------------------------------------------------------------

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

// --- the print job ----------------------------------------------------------------------

SheetLayout tabLayout(const Etiquette& tab, const LayoutValues& values)
{
    return SheetLayout(values, QSizeF(tab.prjWidth(), tab.prjHeight()), tab.print().sheetGrid, tab.print().grids);
}

namespace {

/// Whether the tab's sheets are printed mirrored (on transfer paper).
bool mirrored(const Etiquette& tab) { return tab.print().options.value_or(PrintOptions()).mirror; }

/// Draws the tab's sheets on the pages of a device that draws at `dotsPerInch`.
bool drawSheets(SheetOutput& pages, QSizeF dotsPerInch, const Etiquette& tab,
                const LayoutValues& values, const DataTable* data, const JobExtras& extras)
{
    const SheetLayout layout = tabLayout(tab, values);
    try {
        const PrintOptions options = tab.print().options.value_or(PrintOptions());
        const SheetPlan plan(layout, Design{&tab, data}, extras.designs, extras.marginMm,
                             pageSizeMm(paperOf(tab.print())));
        auto arts = printedDesigns(plan, dotsPerInch);
        if (!arts)
            return false;  // a background too large to paint at that resolution
        for (LabelArt& art : *arts)
            art = withMarks(std::move(art), layout.labelSize(), tab.print().outline, options);
        return renderSheets(pages, plan, *arts,
                            sheetOrder(plan.sheetCount(), extras.copiesByDevice ? PrintOptions() : options));
    } catch (const std::exception&) {
        // Out of memory or a picture that failed: the caller abandons the job.
        return false;
    }
}

/// Writes the sheets as a PDF document of our own; nothing when they hold something
/// it does not draw (the file is then left as it was).
std::optional<QString> fastSheetsToPdf(const Etiquette& tab, const LayoutValues& values, const QString& pdfFile,
                                       int dotsPerInch, const DataTable* data, const JobExtras& extras,
                                       const FileWriter& writer)
{
    bool unsupported = false;
    const QString reason = writer.write(pdfFile, [&](QIODevice& device) {
        const QPageLayout page = pageLayoutOf(paperOf(tab.print()));
        const QSizeF pageMm = page.paintRect(QPageLayout::Millimeter).size();
        const QSize points = page.fullRectPoints().size();
        PdfDocument document(device, points, tab.documentTitle(), QStringLiteral("Plakatorium"));
        PdfPages pages(document, pageMm, points.height(), dotsPerInch, extras, mirrored(tab));
        const bool drawn = drawSheets(pages, QSizeF(dotsPerInch, dotsPerInch), tab, values, data, extras);
        unsupported = pages.sheet().unsupported();
        if (unsupported)
            return QStringLiteral("planches à dessiner par Qt");
        return drawn && document.finish() ? QString() : QStringLiteral("planches impossibles à dessiner");
    });
    if (unsupported)
        return std::nullopt;
    return reason;
}

}  // namespace

bool paintSheets(QPainter& painter, QPagedPaintDevice& device, QSizeF pageMm, QSizeF dotsPerInch,
                 const Etiquette& tab, const LayoutValues& values, const DataTable* data, const JobExtras& extras)
{
    painter.setBackgroundMode(Qt::TransparentMode);
    DevicePages pages(painter, device, pageMm, dotsPerInch, extras, mirrored(tab));
    return drawSheets(pages, dotsPerInch, tab, values, data, extras);
}

QString printSheetsToPdf(const Etiquette& tab, const LayoutValues& values, const QString& pdfFile,
                         const DataTable* data, const JobExtras& extras, const FileWriter& writer)
{
    const int dotsPerInch = dotsPerInchForQuality(tab.Resolution());
    if (dotsPerInch == 0)
        return QStringLiteral("qualité d'impression inconnue");
    if (pdfFile.isEmpty())
        return QStringLiteral("aucun fichier");
    // A file's page is the whole paper: no unprintable margin.
    JobExtras onPaper = extras;
    onPaper.marginMm = {};
    if (const std::optional<QString> fast = fastSheetsToPdf(tab, values, pdfFile, dotsPerInch, data, onPaper, writer))
        return *fast;
    return writer.write(pdfFile, [&](QIODevice& device) {
        QPdfWriter pdf(&device);
        pdf.setTitle(tab.documentTitle());
        pdf.setCreator(QStringLiteral("Plakatorium"));
        pdf.setPageLayout(pageLayoutOf(paperOf(tab.print())));
        pdf.setResolution(dotsPerInch);
        QPainter painter;
        if (!painter.begin(&pdf))
            return QStringLiteral("document PDF impossible à commencer");
        const QSizeF pageMm = pdf.pageLayout().paintRect(QPageLayout::Millimeter).size();
        const bool drawn =
            paintSheets(painter, pdf, pageMm, QSizeF(dotsPerInch, dotsPerInch), tab, values, data, onPaper);
        return painter.end() && drawn ? QString() : QStringLiteral("planches impossibles à dessiner");
    });
}

PreviewPages::PreviewPages(const Etiquette& tab, const LayoutValues& values, double dotsPerInch,
                           const DataTable* data, const DesignLookup& designs)
    : m_layout(tabLayout(tab, values)),
      m_pageTwips(pageSizeMm(paperOf(tab.print())) * kTwipsPerMm),
      m_plan(m_layout, Design{&tab, data}, designs, {}, pageSizeMm(paperOf(tab.print()))),
      m_dotsPerInch(dotsPerInch)
{
    const PrintOptions options = tab.print().options.value_or(PrintOptions());
    for (const Design& design : m_plan.designs())
        m_arts.push_back(withMarks(pastedLabel(*design.tab, dotsPerInch, m_plan.varies(int(m_arts.size()))),
                                   m_layout.labelSize(), tab.print().outline, options));
}

PreviewPages::~PreviewPages() = default;

std::optional<int> sheetsOfRows(const Etiquette& tab, const LayoutValues& values, const DataTable* data,
                                const DesignLookup& designs)
{
    const SheetLayout layout = tabLayout(tab, values);
    const SheetPlan plan(layout, Design{&tab, data}, designs);
    return plan.sheetsFollowRows() ? std::optional(plan.sheetCount()) : std::nullopt;
}

std::optional<SheetFlip> jobFlip(const Etiquette& tab, const LayoutValues& values, const DataTable* data,
                                 const DesignLookup& designs)
{
    const SheetLayout layout = tabLayout(tab, values);
    return SheetPlan(layout, Design{&tab, data}, designs).flip();
}

qint64 countersUsed(const Etiquette& tab, const LayoutValues& values, const DataTable* data,
                    const DesignLookup& designs)
{
    const SheetLayout layout = tabLayout(tab, values);
    return SheetPlan(layout, Design{&tab, data}, designs).countersUsed();
}

int PreviewPages::count() const { return m_plan.pageCount(); }

QImage PreviewPages::page(int number) const
{
    // The tab's paper (A4 by default), white, drawn in millimetres.
    ImageSurface page = ImageSurface::fromTwips(m_pageTwips.width(), m_pageTwips.height(), m_dotsPerInch);
    page.setScaleMode(Surface::ScaleMode::Millimetres);
    if (number >= 1 && number <= count())
        drawPage(page, m_plan, number, m_arts);
    return page.image();
}

bool forEachPreviewPage(const Etiquette& tab, const LayoutValues& values, double dotsPerInch,
                        const std::function<bool(int number, const QImage& page)>& take, const DataTable* data,
                        const DesignLookup& designs)
{
    const PreviewPages pages(tab, values, dotsPerInch, data, designs);
    for (int number = 1; number <= pages.count(); ++number)
        if (!take(number, pages.page(number)))
            return false;
    return true;
}

std::vector<QImage> previewPages(const Etiquette& tab, const LayoutValues& values, const DataTable* data)
{
    std::vector<QImage> pages;
    forEachPreviewPage(
        tab, values, kScreenDpi,
        [&pages](int, const QImage& page) {
            pages.push_back(page);
            return true;
        },
        data);
    return pages;
}

}  // namespace plk
