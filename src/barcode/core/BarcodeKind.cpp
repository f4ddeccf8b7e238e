#include "barcode/core/BarcodeKind.h"

namespace plk {

namespace {

struct KindNames {
    BarcodeKind kind;
    const char* stored;
    const char* title;
    const char* phrase;
    BarcodeUse use;
};

constexpr std::array<KindNames, kBarcodeKinds.size()> kNames{{
    {BarcodeKind::QR, "QR", "QR code", "un QR code", BarcodeUse::First},
    {BarcodeKind::DataMatrix, "DATAMATRIX", "Data Matrix", "un code Data Matrix", BarcodeUse::First},
    {BarcodeKind::PDF417, "PDF417", "PDF417", "un code PDF417", BarcodeUse::First},
    {BarcodeKind::EAN13, "EAN13", "EAN-13", "un code EAN-13", BarcodeUse::First},
    {BarcodeKind::EAN8, "EAN8", "EAN-8", "un code EAN-8", BarcodeUse::First},
    {BarcodeKind::UPCA, "UPCA", "UPC-A", "un code UPC-A", BarcodeUse::First},
    {BarcodeKind::Code128, "CODE128", "Code 128", "un code 128", BarcodeUse::First},
    {BarcodeKind::Code39, "CODE39", "Code 39", "un code 39", BarcodeUse::First},
    {BarcodeKind::ITF14, "ITF14", "ITF-14", "un code ITF-14", BarcodeUse::First},
    {BarcodeKind::UPCE, "UPCE", "UPC-E", "un code UPC-E", BarcodeUse::Products},
    {BarcodeKind::EAN13AddOn, "EAN13ADDON", "EAN-13 avec supplément", "un code EAN-13 avec supplément",
     BarcodeUse::Products},
    {BarcodeKind::GS1128, "GS1128", "GS1-128", "un code GS1-128", BarcodeUse::Logistics},
    {BarcodeKind::GS1DataMatrix, "GS1DATAMATRIX", "GS1 DataMatrix", "un code GS1 DataMatrix", BarcodeUse::Logistics},
    {BarcodeKind::Aztec, "AZTEC", "Aztec", "un code Aztec", BarcodeUse::TwoDimensional},
    {BarcodeKind::Codabar, "CODABAR", "Codabar", "un code Codabar", BarcodeUse::Other},
    {BarcodeKind::Code93, "CODE93", "Code 93", "un code 93", BarcodeUse::Other},
    {BarcodeKind::I2of5, "I2OF5", "2 parmi 5 entrelacé", "un code 2 parmi 5 entrelacé", BarcodeUse::Logistics},
}};

const KindNames& namesOf(BarcodeKind kind) { return kNames.at(std::size_t(kind)); }

}  // namespace

QString barcodeKindName(BarcodeKind kind) { return QString::fromLatin1(namesOf(kind).stored); }

QString barcodeKindTitle(BarcodeKind kind) { return QString::fromUtf8(namesOf(kind).title); }

QString barcodeKindPhrase(BarcodeKind kind) { return QString::fromUtf8(namesOf(kind).phrase); }

std::optional<BarcodeKind> barcodeKindFromName(const QString& name)
{
    for (const KindNames& n : kNames) {
        if (name == QLatin1String(n.stored))
            return n.kind;
    }
    return std::nullopt;
}

BarcodeUse barcodeKindUse(BarcodeKind kind) { return namesOf(kind).use; }

bool isLinear(BarcodeKind kind)
{
    return !carriesText(kind) && kind != BarcodeKind::GS1DataMatrix;
}

bool carriesText(BarcodeKind kind)
{
    return kind == BarcodeKind::QR || kind == BarcodeKind::DataMatrix || kind == BarcodeKind::PDF417 ||
           kind == BarcodeKind::Aztec;
}

}  // namespace plk
