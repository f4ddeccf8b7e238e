#include "print/core/PdfSheetSurface.h"

#include "canvas/core/TwipsText.h"
#include "pdf/core/PdfPainter.h"

#include <QPainter>

namespace plk {

namespace {

constexpr double kPointsPerTwip = 72.0 / kTwipsPerInch;

}  // namespace

PdfSheetSurface::PdfSheetSurface(PdfDocument& document, QSizeF pageMm, double pageHeightPoints, double dotsPerInch)
    : PageSurface(pageMm),
      m_document(document),
      m_text(document),
      m_dotsPerInch(dotsPerInch),
      m_page(kPointsPerTwip, 0, 0, -kPointsPerTwip, 0, pageHeightPoints)
{
}

void PdfSheetSurface::mirror()
{
    closeState();
    m_mirror = mirrored();
}

void PdfSheetSurface::setCorrection(const QTransform& twips)
{
    closeState();
    m_correction = twips;
}

void PdfSheetSurface::newPage()
{
    closeState();
    m_document.newPage();
}

void PdfSheetSurface::closeState()
{
    for (; m_levels > 0; --m_levels)
        m_document.page().restore();
    m_fill.reset();
}

PdfContent& PdfSheetSurface::page()
{
    PdfContent& content = m_document.page();
    if (m_levels == 0) {
        content.save();
        content.transform(m_mirror * m_correction * m_page);
        ++m_levels;
        if (!m_clip.isEmpty()) {
            content.save();
            content.clipTo(m_clip);
            ++m_levels;
        }
        if (m_turn) {
            content.save();
            content.transform(*m_turn);
            ++m_levels;
        }
    }
    return content;
}

bool PdfSheetSurface::fill(const QColor& colour)
{
    if (colour.alpha() != 255) {
        m_unsupported = m_unsupported || colour.alpha() != 0;
        return false;
    }
    PdfContent& content = page();
    if (m_fill != colour) {
        content.fillColour(colour);
        m_fill = colour;
    }
    return true;
}

bool PdfSheetSurface::stroke(const QColor& colour, Qt::PenStyle style)
{
    if (style == Qt::NoPen || colour.alpha() != 255) {
        m_unsupported = m_unsupported || (style != Qt::NoPen && colour.alpha() != 0);
        return false;
    }
    // The dashes as Qt's pen makes them for its square ends, in twips.
    QList<double> dashes;
    for (const double d : linePen(colour, style).dashPattern())
        dashes << d * kLineTwips;
    PdfContent& content = page();
    content.strokeColour(colour);
    content.lineStyle(kLineTwips, style == Qt::SolidLine ? QList<double>() : dashes);
    return true;
}

void PdfSheetSurface::clear(const QColor& colour)
{
    if (fill(colour))
        page().fillRect(QRectF(toTwips(0, 0), toTwips(scaleWidth(), scaleHeight())));
}

void PdfSheetSurface::line(double x1, double y1, double x2, double y2, const QColor& colour)
{
    if (stroke(colour))
        page().strokeLine(toTwips(x1, y1) + penMiddle(), toTwips(x2, y2) + penMiddle());
}

void PdfSheetSurface::box(double x1, double y1, double x2, double y2, const QColor& colour, int drawStyle)
{
    if (stroke(colour, penStyle(drawStyle)))
        page().strokeRect(QRectF(toTwips(x1, y1) + penMiddle(), toTwips(x2, y2) + penMiddle()).normalized());
}

void PdfSheetSurface::circle(double cx, double cy, double radius, const QColor& colour, bool filled)
{
    if (filled && !fill(colour))
        return;
    if (!stroke(colour))
        return;
    const QPointF r = toTwips(radius, radius);
    page().ellipse(toTwips(cx, cy), r.x(), r.y(), filled);
}

void PdfSheetSurface::picture(const QImage& image, double x, double y, double w, double h)
{
    if (image.isNull())
        return;
    const QByteArray name = m_document.image(image);
    page().image(name, toTwips(QRectF(x, y, w, h)));
}

void PdfSheetSurface::text(double x, double y, const QString& text, const QFont& font, const QColor& colour)
{
    if (text.isEmpty() || m_unsupported || !fill(colour))
        return;
    m_unsupported = !m_text.write(page(), toTwips(x, y), true, text, fontInTwips(font));
}

void PdfSheetSurface::drawing(double x, double y, double w, double h, const Drawing& draw)
{
    if (m_unsupported)
        return;
    // The painter draws in twips onto dots of the job's resolution, turned, mirrored and
    // corrected as on a printer's page (a code sizes its text in those dots); the page
    // takes the dots back to its own points.
    const double dotsPerTwip = m_dotsPerInch / kTwipsPerInch;
    const QTransform placed = m_turn.value_or(QTransform()) * m_mirror * m_correction;
    PdfContent& content = page();
    content.save();
    content.transform(QTransform::fromScale(1 / dotsPerTwip, 1 / dotsPerTwip) * placed.inverted());
    PdfPaintDevice device(content, m_document, m_text, QSizeF(widthTwips(), heightTwips()) * dotsPerTwip,
                          m_dotsPerInch);
    {
        QPainter painter(&device);
        painter.setBackgroundMode(Qt::TransparentMode);
        painter.setRenderHint(QPainter::LosslessImageRendering, true);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.setWorldTransform(placed * QTransform::fromScale(dotsPerTwip, dotsPerTwip));
        draw(painter, toTwips(QRectF(x, y, w, h)));
    }
    content.restore();
    m_fill.reset();
    m_unsupported = device.unsupported();
}

void PdfSheetSurface::clipTo(const QRectF& rect)
{
    closeState();
    m_clip = rect.isEmpty() ? QRectF() : toTwips(rect);
}

void PdfSheetSurface::setRotation(QPointF centre, double degrees)
{
    if (!m_turn && degrees == 0)
        return;
    closeState();
    m_turn.reset();
    if (degrees != 0)
        m_turn = turnAbout(toTwips(centre.x(), centre.y()), degrees);
}

}  // namespace plk
