#include "pdf/core/PdfPainter.h"

#include "pdf/core/PdfContent.h"
#include "pdf/core/PdfDocument.h"
#include "pdf/core/PdfText.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>
#include <cmath>
#include <optional>

namespace plk {

class PdfPaintDevice::Engine final : public QPaintEngine {
public:
    Engine(PdfContent& content, PdfDocument& document, PdfText& text, double dotsPerInch)
        : QPaintEngine(AllFeatures), m_content(content), m_document(document), m_text(text), m_dotsPerInch(dotsPerInch)
    {
    }

    bool unsupported = false;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    // Drawings that know a PDF page (codes) draw for one.
    Type type() const override { return Pdf; }

    void updateState(const QPaintEngineState& state) override
    {
        const DirtyFlags flags = state.state();
        if (flags & DirtyTransform)
            m_transform = state.transform();
        if (flags & DirtyPen)
            m_pen = state.pen();
        if (flags & DirtyBrush)
            m_brush = state.brush();
        if (flags & DirtyClipEnabled)
            m_clipOn = state.isClipEnabled();
        if (flags & DirtyClipRegion) {
            QPainterPath region;
            region.addRegion(state.clipRegion());
            clip(region, state.clipOperation());
        }
        if (flags & DirtyClipPath)
            clip(state.clipPath(), state.clipOperation());
        if ((flags & DirtyOpacity) && state.opacity() < 1)
            unsupported = true;
        if ((flags & DirtyCompositionMode) && state.compositionMode() != QPainter::CompositionMode_SourceOver)
            unsupported = true;
    }

    void drawPath(const QPainterPath& path) override
    {
        const std::optional<bool> filled = fill(), stroked = stroke();
        if (!filled || !stroked || (!*filled && !*stroked))
            return;
        begin();
        m_content.path(path);
        m_content.paint(*filled, *stroked, path.fillRule() == Qt::OddEvenFill);
        finish();
    }

    void drawRects(const QRectF* rects, int count) override
    {
        const std::optional<bool> filled = fill(), stroked = stroke();
        if (!filled || !stroked || (!*filled && !*stroked))
            return;
        begin();
        // Rectangles filled at once: no seam between touching ones.
        for (int i = 0; i < count; ++i)
            m_content.rect(rects[i]);
        m_content.paint(*filled, *stroked, false);
        finish();
    }
    void drawRects(const QRect* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QRectF r(rects[i]);
            drawRects(&r, 1);
        }
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        QPainterPath path;
        if (count > 0)
            path.moveTo(points[0]);
        for (int i = 1; i < count; ++i)
            path.lineTo(points[i]);
        if (mode == PolylineMode) {
            const QBrush brush = std::exchange(m_brush, QBrush());
            drawPath(path);
            m_brush = brush;
            return;
        }
        path.closeSubpath();
        path.setFillRule(mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
        drawPath(path);
    }
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override
    {
        QList<QPointF> real;
        for (int i = 0; i < count; ++i)
            real << QPointF(points[i]);
        drawPolygon(real.constData(), count, mode);
    }

    void drawPoints(const QPointF*, int) override { unsupported = true; }
    void drawPoints(const QPoint*, int) override { unsupported = true; }
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override { unsupported = true; }

    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& sr) override
    {
        drawImage(r, pixmap.toImage(), sr, Qt::AutoColor);
    }

    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr, Qt::ImageConversionFlags) override
    {
        if (image.isNull())
            return;
        const QImage shown = sr == QRectF(image.rect()) ? image : image.copy(sr.toAlignedRect());
        begin();
        m_content.image(m_document.image(shown), r);
        finish();
    }

    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        if (item.text().isEmpty() || m_pen.style() == Qt::NoPen || m_pen.color().alpha() == 0)
            return;
        if (m_pen.color().alpha() != 255 || item.renderFlags() != QTextItem::RenderFlags()) {
            unsupported = true;
            return;
        }
        // A font in points is as big as on the device's dots.
        QFont font = item.font();
        if (font.pixelSize() <= 0)
            font.setPixelSize(std::max(1, int(std::lround(font.pointSizeF() * m_dotsPerInch / 72))));
        begin();
        m_content.fillColour(m_pen.color());
        unsupported = unsupported || !m_text.write(m_content, at, false, item.text(), font);
        finish();
    }

private:
    /// Whether paths are filled; nothing for a fill this page cannot take.
    std::optional<bool> fill()
    {
        if (m_brush.style() == Qt::NoBrush || m_brush.color().alpha() == 0)
            return false;
        if (m_brush.style() != Qt::SolidPattern || m_brush.color().alpha() != 255) {
            unsupported = true;
            return std::nullopt;
        }
        return true;
    }
    /// Whether paths are outlined; nothing for a pen this page cannot take.
    std::optional<bool> stroke()
    {
        if (m_pen.style() == Qt::NoPen || m_pen.color().alpha() == 0)
            return false;
        if (m_pen.isCosmetic() || m_pen.color().alpha() != 255 || m_pen.brush().style() != Qt::SolidPattern) {
            unsupported = true;
            return std::nullopt;
        }
        return true;
    }

    void clip(const QPainterPath& path, Qt::ClipOperation operation)
    {
        const QPainterPath onDevice = m_transform.map(path);
        if (operation == Qt::NoClip)
            m_clip.reset();
        else if (operation == Qt::IntersectClip && m_clip)
            m_clip = m_clip->intersected(onDevice);
        else
            m_clip = onDevice;
        m_clipOn = operation != Qt::NoClip;
    }

    /// The state of one drawing: its clip, its transform, its colours and pen.
    void begin()
    {
        m_content.save();
        if (m_clipOn && m_clip) {
            m_content.path(*m_clip);
            m_content.clipToPath(m_clip->fillRule() == Qt::OddEvenFill);
        }
        m_content.transform(m_transform);
        if (m_brush.style() == Qt::SolidPattern)
            m_content.fillColour(m_brush.color());
        if (m_pen.style() != Qt::NoPen) {
            m_content.strokeColour(m_pen.color());
            const double width = m_pen.widthF();
            QList<double> dashes;
            if (m_pen.style() != Qt::SolidLine)
                for (const double d : m_pen.dashPattern())
                    dashes << d * width;
            m_content.lineStyle(width, dashes, m_pen.capStyle(), m_pen.joinStyle());
        }
    }
    void finish() { m_content.restore(); }

    PdfContent& m_content;
    PdfDocument& m_document;
    PdfText& m_text;
    double m_dotsPerInch;
    QTransform m_transform;
    QPen m_pen;
    QBrush m_brush;
    std::optional<QPainterPath> m_clip;  // in dots
    bool m_clipOn = false;
};

PdfPaintDevice::PdfPaintDevice(PdfContent& content, PdfDocument& document, PdfText& text, QSizeF sizeDots,
                               double dotsPerInch)
    : m_engine(std::make_unique<Engine>(content, document, text, dotsPerInch)), m_size(sizeDots), m_dotsPerInch(dotsPerInch)
{
}

PdfPaintDevice::~PdfPaintDevice() = default;

QPaintEngine* PdfPaintDevice::paintEngine() const { return m_engine.get(); }

bool PdfPaintDevice::unsupported() const { return m_engine->unsupported; }

int PdfPaintDevice::metric(PaintDeviceMetric metric) const
{
    constexpr double kMmPerInch = 25.4;
    switch (metric) {
    case PdmWidth: return int(std::ceil(m_size.width()));
    case PdmHeight: return int(std::ceil(m_size.height()));
    case PdmWidthMM: return int(std::ceil(m_size.width() / m_dotsPerInch * kMmPerInch));
    case PdmHeightMM: return int(std::ceil(m_size.height() / m_dotsPerInch * kMmPerInch));
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return int(std::lround(m_dotsPerInch));
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    default: return 0;
    }
}

}  // namespace plk
