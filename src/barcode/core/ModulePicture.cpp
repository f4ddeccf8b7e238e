#include "barcode/core/ModulePicture.h"

#include <algorithm>
#include <cmath>

namespace plk {

namespace {

// The largest two-dimensional codes are a few hundred modules a side (PDF417 rows are
// three modules high, its columns seventeen modules wide).
constexpr int kMaxSide = 2048;

bool whole(double v) { return std::abs(v - std::round(v)) < 1e-6; }

}  // namespace

QImage modulePicture(const BarcodeSymbol& symbol, const QColor& colour)
{
    const QSizeF size = symbol.size;
    if (!symbol.texts.empty() || !whole(size.width()) || !whole(size.height()) || size.isEmpty() ||
        size.width() > kMaxSide || size.height() > kMaxSide)
        return {};
    for (const QRectF& r : symbol.modules) {
        if (!whole(r.x()) || !whole(r.y()) || !whole(r.width()) || !whole(r.height()))
            return {};
    }
    QImage picture(int(std::lround(size.width())), int(std::lround(size.height())), QImage::Format_ARGB32);
    if (picture.isNull())
        return {};
    // The colour everywhere, see-through between the modules: the picture's colour
    // plane is then one value, which a document's compression nearly drops.
    QColor clear = colour;
    clear.setAlpha(0);
    picture.fill(clear);
    const QRgb ink = QColor(colour.red(), colour.green(), colour.blue()).rgba();
    for (const QRectF& r : symbol.modules) {
        const QRect pixels = r.toRect() & picture.rect();
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            std::fill_n(reinterpret_cast<QRgb*>(picture.scanLine(y)) + pixels.left(), pixels.width(), ink);
    }
    return picture;
}

const QImage& ModulePictures::picture(BarcodeKind kind, const QString& data, const QColor& colour,
                                      const BarcodeSymbol& symbol)
{
    if (!m_made || kind != m_kind || data != m_data || colour != m_colour) {
        m_made = true;
        m_kind = kind;
        m_data = data;
        m_colour = colour;
        m_picture = modulePicture(symbol, colour);
    }
    return m_picture;
}

}  // namespace plk
