#pragma once
// A two-dimensional code as a picture of one pixel per module, for the page devices
// that store a picture once per document and then place it wherever it is drawn
// again: a sheet of labels repeating a code then holds its modules once, instead of
// hundreds of rectangles on every label. Stretched without smoothing, every module
// stays a sharp square of the code's colour; between them the picture is transparent.

#include "barcode/core/BarcodeSymbol.h"

#include <QColor>
#include <QImage>

namespace plk {

/// The modules of `symbol` in `colour` on a transparent picture of one pixel per
/// module; a null picture when they do not sit on whole modules or the symbol is
/// larger than any two-dimensional code.
QImage modulePicture(const BarcodeSymbol& symbol, const QColor& colour);

/// The picture of the last code asked for, kept to be given again as the same picture
/// object (a document stores a picture once by its identity, not its pixels).
class ModulePictures {
public:
    /// The picture of `symbol`, the code of `data` in the kind, in `colour`.
    const QImage& picture(BarcodeKind kind, const QString& data, const QColor& colour, const BarcodeSymbol& symbol);

private:
    bool m_made = false;
    BarcodeKind m_kind = BarcodeKind::QR;
    QString m_data;
    QColor m_colour;
    QImage m_picture;
};

}  // namespace plk
