#pragma once
// The kinds of code a tab can carry. The stored name is what project files and the
// clipboard hold; kinds added later come after the first nine, so their indices stay.

#include <QString>
#include <array>
#include <optional>

namespace plk {

enum class BarcodeKind {
    QR, DataMatrix, PDF417, EAN13, EAN8, UPCA, Code128, Code39, ITF14,
    UPCE, EAN13AddOn, GS1128, GS1DataMatrix, Aztec, Codabar, Code93, I2of5
};

inline constexpr std::array<BarcodeKind, 17> kBarcodeKinds{
    BarcodeKind::QR,     BarcodeKind::DataMatrix, BarcodeKind::PDF417,        BarcodeKind::EAN13,
    BarcodeKind::EAN8,   BarcodeKind::UPCA,       BarcodeKind::Code128,       BarcodeKind::Code39,
    BarcodeKind::ITF14,  BarcodeKind::UPCE,       BarcodeKind::EAN13AddOn,    BarcodeKind::GS1128,
    BarcodeKind::GS1DataMatrix, BarcodeKind::Aztec, BarcodeKind::Codabar,     BarcodeKind::Code93,
    BarcodeKind::I2of5};

/// What a kind is mostly used for, to group the kinds added after the first nine.
enum class BarcodeUse { First, Products, Logistics, TwoDimensional, Other };

/// "QR", "DATAMATRIX", "PDF417", "EAN13", "EAN8", "UPCA", "CODE128", "CODE39", "ITF14",
/// then "UPCE", "EAN13ADDON", "GS1128", "GS1DATAMATRIX", "AZTEC", "CODABAR", "CODE93", "I2OF5".
QString barcodeKindName(BarcodeKind kind);
/// The kind of a stored name (exact, case-sensitive, as every record keyword).
std::optional<BarcodeKind> barcodeKindFromName(const QString& name);
/// The name shown to the user: "QR code", "EAN-13", "Code 128", ...
QString barcodeKindTitle(BarcodeKind kind);
/// The kind in a sentence: "un QR code", "un code EAN-13", "un code 128", ...
QString barcodeKindPhrase(BarcodeKind kind);
/// The group of a kind in the tool box: `First` for the first nine kinds.
BarcodeUse barcodeKindUse(BarcodeKind kind);
/// Linear codes are bars of one row with a human-readable line under them.
bool isLinear(BarcodeKind kind);
/// Two-dimensional kinds that carry any text: UTF-8 under ECI 26 when it is not ASCII.
bool carriesText(BarcodeKind kind);

}  // namespace plk
