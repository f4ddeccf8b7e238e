#include "barcode/core/BarcodeKind.h"

namespace plk {

namespace {

struct KindNames {
    BarcodeKind kind;
    const char* stored;
    const char* title;
    const char* phrase;
};

constexpr std::array<KindNames, kBarcodeKinds.size()> kNames{{
    {BarcodeKind::QR, "QR", "QR code", "un QR code"},
    {BarcodeKind::DataMatrix, "DATAMATRIX", "Data Matrix", "un code Data Matrix"},
    {BarcodeKind::PDF417, "PDF417", "PDF417", "un code PDF417"},
    {BarcodeKind::EAN13, "EAN13", "EAN-13", "un code EAN-13"},
    {BarcodeKind::EAN8, "EAN8", "EAN-8", "un code EAN-8"},
    {BarcodeKind::UPCA, "UPCA", "UPC-A", "un code UPC-A"},
    {BarcodeKind::Code128, "CODE128", "Code 128", "un code 128"},
    {BarcodeKind::Code39, "CODE39", "Code 39", "un code 39"},
    {BarcodeKind::ITF14, "ITF14", "ITF-14", "un code ITF-14"},
}};

const KindNames& namesOf(BarcodeKind kind) { return kNames.at(std::size_t(kind)); }

}  // namespace

QString barcodeKindName(BarcodeKind kind) { return QString::fromLatin1(namesOf(kind).stored); }

QString barcodeKindTitle(BarcodeKind kind) { return QString::fromLatin1(namesOf(kind).title); }

QString barcodeKindPhrase(BarcodeKind kind) { return QString::fromLatin1(namesOf(kind).phrase); }

std::optional<BarcodeKind> barcodeKindFromName(const QString& name)
{
    for (const KindNames& n : kNames) {
        if (name == QLatin1String(n.stored))
            return n.kind;
    }
    return std::nullopt;
}

bool isLinear(BarcodeKind kind)
{
    return kind != BarcodeKind::QR && kind != BarcodeKind::DataMatrix && kind != BarcodeKind::PDF417;
}

}  // namespace plk
