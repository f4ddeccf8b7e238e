#include "export/core/TabExport.h"

#include "base/core/FileWriter.h"
#include "base/core/Rounding.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/ImageSurface.h"
#include "canvas/core/TabRenderer.h"
#include "export/core/EncoderTable.h"
#include "export/core/cGdiPlus.h"
#include "print/core/PrinterSurface.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <memory>

namespace plk {

namespace {

// The page's device units are micrometres, whatever the format, so that an SVG
// drawing says its size in whole millimetres exactly.
constexpr int kDocumentDpi = 25400;
constexpr double kMmPerInch = 25.4;

/// A paint device writing one page of the given size in millimetres.
std::unique_ptr<QPaintDevice> documentDevice(DocumentFormat format, QIODevice& file, QSizeF pageMm,
                                             const QString& title)
{
    if (format == DocumentFormat::Pdf) {
        auto pdf = std::make_unique<QPdfWriter>(&file);
        pdf->setTitle(title);
        pdf->setCreator(QStringLiteral("Plakatorium"));
        pdf->setPageLayout(QPageLayout(QPageSize(pageMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                                       QPageLayout::Portrait, QMarginsF()));
        pdf->setResolution(kDocumentDpi);
        return pdf;
    }
    auto svg = std::make_unique<QSvgGenerator>();
    svg->setOutputDevice(&file);
    svg->setTitle(title);
    const QSize units(clampTo<int>(std::round(pageMm.width() * kDocumentDpi / kMmPerInch)),
                      clampTo<int>(std::round(pageMm.height() * kDocumentDpi / kMmPerInch)));
    svg->setSize(units);
    svg->setViewBox(QRect(QPoint(0, 0), units));
    svg->setResolution(kDocumentDpi);
    return svg;
}

}  // namespace

QString snapshotTooLarge(const Etiquette& tab, int dotsPerInch)
{
    const QSizeF twips = tab.canvasTwips();
    if (pixelCount(twips, dotsPerInch) <= kMaxOutputPixels)
        return QString();
    const QSize pixels = ImageSurface::pixelsForTwips(twips.width(), twips.height(), dotsPerInch);
    return QStringLiteral("image trop grande : %1 × %2 points à %3 points par pouce, pour %4 millions au plus ; "
                          "cette étiquette s'exporte à %5 points par pouce au plus")
        .arg(pixels.width())
        .arg(pixels.height())
        .arg(dotsPerInch)
        .arg(kMaxOutputPixels / 1'000'000)
        .arg(int(dotsPerInchWithin(twips, dotsPerInch)));
}

std::optional<DocumentFormat> documentFormatFor(const QString& fileName)
{
    const QString extension = EncoderTable::FileExtension(fileName).toLower();
    if (extension == QLatin1String("pdf"))
        return DocumentFormat::Pdf;
    if (extension == QLatin1String("svg"))
        return DocumentFormat::Svg;
    return std::nullopt;
}

QString writeTabDocument(const Etiquette& tab, DocumentFormat format, const QString& fileName,
                         const ExportSettings& settings, const RowValues& row)
{
    const QSizeF pageMm(tab.prjWidth(), tab.prjHeight());
    const QString tooLarge = QStringLiteral("étiquette trop grande pour être dessinée");
    if (!(pageMm.width() > 0 && pageMm.height() > 0))
        return tooLarge;
    const TabRenderer renderer(tab);
    const QImage background =
        renderer.background(dotsPerInchWithin(tab.canvasTwips(), std::max(settings.dotsPerInch, kPrintDpi),
                                              kMaxDocumentPixels));
    if (background.isNull())
        return tooLarge;
    return FileWriter().write(fileName, [&](QIODevice& file) {
        const std::unique_ptr<QPaintDevice> device = documentDevice(format, file, pageMm, tab.documentTitle());
        QPainter painter;
        if (!painter.begin(device.get()))
            return QStringLiteral("document impossible à commencer");
        // An SVG drawing is drawn by other programs, which lack the fonts the program
        // brings itself (Tahoma) or substitute others: its texts go as outlines, so
        // they keep their letters and widths everywhere. A PDF embeds its fonts.
        const TextForm texts = format == DocumentFormat::Svg ? TextForm::Outlines : TextForm::Glyphs;
        PrinterSurface page(painter, pageMm, QSizeF(kDocumentDpi, kDocumentDpi), texts);
        // What lies past the tab's edge is left out of the file, not merely off the page.
        page.clipTo(QRectF(QPointF(0, 0), pageMm));
        renderer.paint(page, background, settings.backgroundOnly, row);
        return painter.end() ? QString() : QStringLiteral("document impossible à terminer");
    });
}

bool exportTab(cGdiPlus& writer, const Etiquette& tab, const QString& fileName, const ExportSettings& settings,
               QImage* picture, const RowValues& row)
{
    if (const std::optional<DocumentFormat> format = documentFormatFor(fileName)) {
        const QString reason = writeTabDocument(tab, *format, fileName, settings, row);
        return reason.isEmpty() || writer.reportWriteFailure(reason);
    }
    if (const QString reason = snapshotTooLarge(tab, settings.dotsPerInch); !reason.isEmpty())
        return writer.reportWriteFailure(reason);
    const QImage snapshot = TabRenderer(tab).picture(settings.dotsPerInch, settings.backgroundOnly, row);
    if (picture)
        *picture = snapshot;
    return writer.PictureBoxToFile(snapshot, fileName, settings.quality);
}

}  // namespace plk
