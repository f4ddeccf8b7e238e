#pragma once
// Drawing a code as filled rectangles on any QPainter: a picture, a PDF page, an
// SVG file or a printer. On a picture every module takes a whole number of pixels,
// so no bar or square is ever blurred; on vector devices the code fills its box.

#include "barcode/core/BarcodeSymbol.h"
#include "barcode/core/ModulePicture.h"

#include <QColor>
#include <QPainter>

namespace plk {

/// Where a code lands in device coordinates.
struct BarcodePlacement {
    BarcodeSymbol symbol;
    double module = 0;  // device units per module
    QPointF origin;     // top-left corner of the symbol (quiet zones included)
    QString error;      // the data cannot be encoded (nothing to draw)

    QRectF rect() const { return {origin, symbol.size * module}; }
};

/// The whole number of device units a module takes on a picture when `asked` units
/// would fill the box: never less than 80 % of `asked`, nor less by a unit or more.
double wholeModule(double asked);

/// Fits the code into `box` (device units). A two-dimensional code keeps square
/// modules and is centred; a linear code spans the box's width and its bars grow to
/// fill its height. With `wholeUnits` the module is wholeModule() of what would fit,
/// so the code may overlap its box by less than a unit per module, and the code is
/// centred on whole units.
/// `encoded`, when the caller keeps it, is encodeBarcode(kind, data, showText): a
/// two-dimensional code is then not encoded again (a large one takes tens of
/// milliseconds); a linear code is, for the height of its bars.
BarcodePlacement placeBarcode(BarcodeKind kind, const QString& data, bool showText, const QRectF& box,
                              bool wholeUnits, const BarcodeEncoding* encoded = nullptr);

/// Draws the code into `target` (the painter's logical coordinates) in `colour`.
/// Returns false, drawing nothing, when the data cannot be encoded.
/// With `pictures`, a two-dimensional code goes to a PDF page as the picture of its
/// modules kept there, which the document stores once however often it is drawn.
bool paintBarcode(QPainter& painter, const QRectF& target, BarcodeKind kind, const QString& data, bool showText,
                  const QColor& colour, const BarcodeEncoding* encoded = nullptr, ModulePictures* pictures = nullptr);

/// Stands for a code whose data is not known yet or cannot be encoded: a hatched
/// frame in `colour` with the text in it.
void paintCodeMarkers(QPainter& painter, const QRectF& target, const QString& text, const QColor& colour);

}  // namespace plk
