#pragma once
// A code encoded by libzint, as geometry in modules (the width of the narrowest
// bar, or the side of one square of a two-dimensional code): the dark rectangles,
// quiet zones included in the size, and the human-readable text of linear codes.

#include "barcode/core/BarcodeKind.h"

#include <QRectF>
#include <QString>
#include <vector>

namespace plk {

struct BarcodeText {
    QPointF baseline;   // where the text stands, in modules
    double size = 0;    // font height in modules
    double width = 0;   // the width the text should not exceed, in modules (0: free)
    Qt::Alignment alignment = Qt::AlignHCenter;  // of the text around baseline.x
    QString text;
};

struct BarcodeSymbol {
    QSizeF size;                    // the whole symbol, in modules
    double barHeight = 0;           // linear codes: the height asked for the bars
    std::vector<QRectF> modules;    // dark areas, in modules
    std::vector<BarcodeText> texts; // human-readable text, linear codes only
};

/// The symbol of the data, or why it cannot be made.
struct BarcodeEncoding {
    BarcodeSymbol symbol;
    QString error;  // empty on success; a sentence for the user otherwise

    bool ok() const { return error.isEmpty(); }
};

/// Encodes the data. `barHeight` (modules) is the height of the bars of a linear
/// code, 0 for libzint's usual height; two-dimensional codes ignore it.
/// `showText` adds the human-readable line of a linear code.
BarcodeEncoding encodeBarcode(BarcodeKind kind, const QString& data, bool showText, double barHeight = 0);

/// Why the data cannot make a code of this kind (characters, length, check digit,
/// capacity), in a sentence for the user; empty when it can.
QString barcodeDataError(BarcodeKind kind, const QString& data);

}  // namespace plk
