#include "barcode/core/BarcodePainter.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace plk {

namespace {

constexpr double kMinBarHeight = 1.0;  // modules, for a box too flat for the text
constexpr double kFarAway = 1 << 24;   // device units
// Scanners and the GS1 rules accept modules down to 80 % of the size asked for.
constexpr double kLeastModuleShare = 0.8;

QRectF scaled(const QRectF& r, double module, const QPointF& origin)
{
    return {origin + r.topLeft() * module, r.size() * module};
}

/// Whole device pixels for each edge, so neighbouring rectangles meet exactly.
QRect pixelRect(const QRectF& r)
{
    const QPoint topLeft(int(std::lround(r.left())), int(std::lround(r.top())));
    const QPoint bottomRight(int(std::lround(r.right())), int(std::lround(r.bottom())));
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

void drawText(QPainter& painter, const BarcodeText& t, double module, const QPointF& origin)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    const double size = t.size * module;
    font.setPixelSize(std::max(1, int(std::lround(size))));
    double advance = QFontMetricsF(font, painter.device()).horizontalAdvance(t.text);
    const double room = t.width * module;
    if (room > 0 && advance > room) {
        // Narrow the text to the room the code leaves it, rather than over the bars.
        font.setPixelSize(std::max(1, int(std::floor(font.pixelSize() * room / advance))));
        advance = QFontMetricsF(font, painter.device()).horizontalAdvance(t.text);
    }
    const QPointF at = origin + t.baseline * module;
    double x = at.x();
    if (t.alignment & Qt::AlignHCenter)
        x -= advance / 2;
    else if (t.alignment & Qt::AlignRight)
        x -= advance;
    painter.setFont(font);
    painter.drawText(QPointF(x, at.y()), t.text);
}

bool isPdf(const QPainter& painter)
{
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf;
}

/// The modules as one filled shape, so viewers draw no hairline seams between touching
/// rectangles. A PDF page takes them as rectangles ("re") filled at once, in module
/// units under one transformation: small whole numbers, the same bytes for every label
/// that repeats the code, which the page's compression then nearly drops. Other
/// vector devices take one path.
void fillVectorModules(QPainter& painter, const BarcodePlacement& p, const QColor& colour)
{
    if (isPdf(painter)) {
        painter.save();
        painter.translate(p.origin);
        painter.scale(p.module, p.module);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRects(p.symbol.modules.data(), int(p.symbol.modules.size()));
        painter.restore();
        return;
    }
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QRectF& r : p.symbol.modules)
        path.addRect(scaled(r, p.module, p.origin));
    painter.fillPath(path, colour);
}

/// Draws the picture of the modules stretched over the symbol, each pixel a sharp
/// module; false when the modules make no picture.
bool drawModulePicture(QPainter& painter, const BarcodePlacement& p, const QImage& picture)
{
    if (picture.isNull())
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(p.rect(), picture);
    return true;
}

}  // namespace

double wholeModule(double asked)
{
    // The whole number just below the size asked, unless that shrinks the code below
    // 80 %: then the one just above, so the code grows by less than a unit per module.
    const double below = std::floor(asked);
    return below >= 1 && below >= kLeastModuleShare * asked ? below : std::ceil(asked);
}

BarcodePlacement placeBarcode(BarcodeKind kind, const QString& data, bool showText, const QRectF& box, bool wholeUnits,
                              const BarcodeEncoding* encoded)
{
    BarcodePlacement p;
    BarcodeEncoding encoding = encoded ? *encoded : encodeBarcode(kind, data, showText);
    p.error = encoding.error;
    if (!encoding.ok() || box.isEmpty())
        return p;

    const QSizeF size = encoding.symbol.size;
    const bool linear = isLinear(kind);
    double module = linear ? box.width() / size.width()
                           : std::min(box.width() / size.width(), box.height() / size.height());
    if (wholeUnits)
        module = wholeModule(module);
    if (linear) {
        // Everything but the bars (text, guard bars, bearers) keeps its height in modules.
        const double fixed = size.height() - encoding.symbol.barHeight;
        const double bars = std::max(kMinBarHeight, box.height() / module - fixed);
        encoding = encodeBarcode(kind, data, showText, bars);
    }
    p.symbol = std::move(encoding.symbol);
    p.module = module;
    p.origin = box.center() - QPointF(p.symbol.size.width(), p.symbol.size.height()) * module / 2;
    if (wholeUnits)
        p.origin = QPointF(std::round(p.origin.x()), std::round(p.origin.y()));
    return p;
}

bool paintBarcode(QPainter& painter, const QRectF& target, BarcodeKind kind, const QString& data, bool showText,
                  const QColor& colour, const BarcodeEncoding* encoded, ModulePictures* pictures)
{
    // Drawn in device units. A turned code, or one on a mirrored sheet (transfer paper),
    // is drawn in a frame of the device's scale that the painter turns or mirrors with it.
    const QTransform device = painter.deviceTransform();
    const QTransform units = device.isRotating() || device.m11() < 0 || device.m22() < 0
                                 ? QTransform::fromScale(std::hypot(device.m11(), device.m12()),
                                                         std::hypot(device.m21(), device.m22()))
                                 : device;
    const QRectF box = units.mapRect(target);
    const bool raster = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    const BarcodePlacement p = placeBarcode(kind, data, showText, box, raster, encoded);
    if (!p.error.isEmpty())
        return false;
    // A code dragged far off its page is not drawn: its device coordinates could
    // leave the range of whole pixels.
    if (!QRectF(-kFarAway, -kFarAway, 2 * kFarAway, 2 * kFarAway).contains(p.rect()))
        return true;

    painter.save();
    // Draw in device units. A widget's painter also offsets everything by where the
    // widget lies in its window, outside the world transform: that offset must stay.
    painter.setWorldTransform(units.inverted() * painter.worldTransform());
    if (raster) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        for (const QRectF& r : p.symbol.modules)
            painter.fillRect(pixelRect(scaled(r, p.module, p.origin)), colour);
    } else if (!pictures || isLinear(kind) || !isPdf(painter) ||
               !drawModulePicture(painter, p, pictures->picture(kind, data, colour, p.symbol))) {
        fillVectorModules(painter, p, colour);
    }
    painter.setPen(colour);
    for (const BarcodeText& t : p.symbol.texts)
        drawText(painter, t, p.module, p.origin);
    painter.restore();
    return true;
}

void paintCodeMarkers(QPainter& painter, const QRectF& target, const QString& text, const QColor& colour)
{
    painter.save();
    QColor hatch = colour;
    hatch.setAlpha(96);
    painter.setPen(QPen(colour, 0));
    painter.setBrush(QBrush(hatch, Qt::BDiagPattern));
    painter.drawRect(target);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, int(std::min(target.height() / 6, target.width() / 10))));
    painter.setFont(font);
    painter.drawText(target, Qt::AlignCenter | Qt::TextWrapAnywhere, text);
    painter.restore();
}

}  // namespace plk
