#include "export/core/TabExport.h"

#include "canvas/core/Etiquette.h"
#include "canvas/core/TabRenderer.h"
#include "export/core/EncoderTable.h"
#include "export/core/cGdiPlus.h"
#include "print/core/PrinterSurface.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
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
    const QSize units(int(std::lround(pageMm.width() * kDocumentDpi / kMmPerInch)),
                      int(std::lround(pageMm.height() * kDocumentDpi / kMmPerInch)));
    svg->setSize(units);
    svg->setViewBox(QRect(QPoint(0, 0), units));
    svg->setResolution(kDocumentDpi);
    return svg;
}

}  // namespace

std::optional<DocumentFormat> documentFormatFor(const QString& fileName)
{
    const QString extension = EncoderTable::FileExtension(fileName).toLower();
    if (extension == QLatin1String("pdf"))
        return DocumentFormat::Pdf;
    if (extension == QLatin1String("svg"))
        return DocumentFormat::Svg;
    return std::nullopt;
}

bool writeTabDocument(const Etiquette& tab, DocumentFormat format, const QString& fileName,
                      const ExportSettings& settings, const RowValues& row)
{
    const QSizeF pageMm(tab.prjWidth(), tab.prjHeight());
    if (!(pageMm.width() > 0 && pageMm.height() > 0))
        return false;
    const TabRenderer renderer(tab);
    const QImage background = renderer.background(std::max(settings.dotsPerInch, kPrintDpi));
    if (background.isNull())
        return false;

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool drawn = false;
    {
        const QString title = tab.NameProjet().isEmpty() ? QStringLiteral("Plakatorium") : tab.NameProjet();
        const std::unique_ptr<QPaintDevice> device = documentDevice(format, file, pageMm, title);
        QPainter painter;
        if (painter.begin(device.get())) {
            PrinterSurface page(painter, pageMm, QSizeF(kDocumentDpi, kDocumentDpi));
            renderer.paint(page, background, settings.backgroundOnly, row);
            drawn = painter.end();
        }
    }
    if (!drawn) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool exportTab(cGdiPlus& writer, const Etiquette& tab, const QString& fileName, const ExportSettings& settings,
               QImage* picture, const RowValues& row)
{
    if (const std::optional<DocumentFormat> format = documentFormatFor(fileName))
        return writeTabDocument(tab, *format, fileName, settings, row);
    const QImage snapshot = TabRenderer(tab).picture(settings.dotsPerInch, settings.backgroundOnly, row);
    if (picture)
        *picture = snapshot;
    return writer.PictureBoxToFile(snapshot, fileName, settings.quality);
}

}  // namespace plk
