#pragma once
// Reading back what the program draws, with zxing-cpp and with zbar (the reader many
// Linux tools use): the text a picture's code carries, as a scanner would give it.

#include "barcode/core/BarcodeKind.h"

#include <QImage>
#include <QString>

namespace plk::test {

struct Decoded {
    bool found = false;
    QString text;
};

/// Looks for one code of the kind in the picture with zxing-cpp. A GS1 code's text
/// starts with its symbology identifier ("]C1", "]d2"), so the reader is seen to take it
/// as GS1; an add-on follows its EAN-13 after a space. A Code 39 is read in its
/// full-ASCII form only when asked, as scanners are set up to.
Decoded decodeBarcode(const QImage& image, BarcodeKind kind, bool code39FullAscii = false);
/// Looks for one code of the kind in the picture with zbar, or says the kind is
/// one zbar does not read (`readable` false).
struct ZbarDecoded : Decoded {
    bool readable = true;
};
ZbarDecoded decodeWithZbar(const QImage& image, BarcodeKind kind);

/// A white picture of the size in millimetres at `dotsPerInch`, its resolution set,
/// ready for a painter that works in millimetres (see useMillimetres).
QImage whitePicture(QSizeF mm, int dotsPerInch);
/// Scales the painter so that one unit is one millimetre on the picture.
void useMillimetres(class QPainter& painter, int dotsPerInch);

}  // namespace plk::test
