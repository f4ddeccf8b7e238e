#pragma once
// What a code of each kind can carry, checked before the data is accepted, so the
// user reads why in French instead of getting a code that does not scan.

#include "barcode/core/BarcodeKind.h"

#include <QString>

namespace plk {

/// The longest data any kind holds here (a QR code of digits, at the medium error
/// correction the codes are made with); longer data is refused before it reaches
/// the encoder.
inline constexpr int kMaxBarcodeDataLength = 5596;

/// The data with every line break as one "\n", whatever the system typed.
QString normalisedBarcodeData(QString data);

/// Why the characters, length or check digit of the data do not fit the kind, in a
/// sentence for the user; empty when they do. Capacity limits of the
/// two-dimensional kinds are the encoder's to find.
QString barcodeContentError(BarcodeKind kind, const QString& data);

/// How many digits a GTIN kind (EAN-13, EAN-8, UPC-A, ITF-14) has before its check
/// digit; 0 for the other kinds.
int gtinDigits(BarcodeKind kind);

/// The check digit of a GTIN (EAN-13, EAN-8, UPC-A, ITF-14) whose other digits are given.
int gtinCheckDigit(const QString& digitsWithoutCheck);

}  // namespace plk
