#pragma once
// The kinds of code a tab can carry: three two-dimensional codes and six linear
// ones. The stored name is what project files and the clipboard hold.

#include <QString>
#include <array>
#include <optional>

namespace plk {

enum class BarcodeKind { QR, DataMatrix, PDF417, EAN13, EAN8, UPCA, Code128, Code39, ITF14 };

inline constexpr std::array<BarcodeKind, 9> kBarcodeKinds{
    BarcodeKind::QR,   BarcodeKind::DataMatrix, BarcodeKind::PDF417,  BarcodeKind::EAN13, BarcodeKind::EAN8,
    BarcodeKind::UPCA, BarcodeKind::Code128,    BarcodeKind::Code39, BarcodeKind::ITF14};

/// "QR", "DATAMATRIX", "PDF417", "EAN13", "EAN8", "UPCA", "CODE128", "CODE39", "ITF14".
QString barcodeKindName(BarcodeKind kind);
/// The kind of a stored name (exact, case-sensitive, as every record keyword).
std::optional<BarcodeKind> barcodeKindFromName(const QString& name);
/// The name shown to the user: "QR code", "EAN-13", "Code 128", ...
QString barcodeKindTitle(BarcodeKind kind);
/// The kind in a sentence: "un QR code", "un code EAN-13", "un code 128", ...
QString barcodeKindPhrase(BarcodeKind kind);
/// Linear codes are bars of one row with a human-readable line under them.
bool isLinear(BarcodeKind kind);

}  // namespace plk
