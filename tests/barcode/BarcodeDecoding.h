#pragma once
// Reading back what the program draws, with zxing-cpp: the text a picture's code
// carries, as a scanner would give it.

#include "barcode/core/BarcodeKind.h"

#include <QImage>
#include <QString>

namespace plk::test {

struct Decoded {
    bool found = false;
    QString text;
};

/// Looks for one code of the kind in the picture.
Decoded decodeBarcode(const QImage& image, BarcodeKind kind);

/// A white picture of the size in millimetres at `dotsPerInch`, its resolution set,
/// ready for a painter that works in millimetres (see useMillimetres).
QImage whitePicture(QSizeF mm, int dotsPerInch);
/// Scales the painter so that one unit is one millimetre on the picture.
void useMillimetres(class QPainter& painter, int dotsPerInch);

}  // namespace plk::test
