#include "barcode/core/BarcodeSymbol.h"

#include "barcode/core/BarcodeData.h"

#include <zint.h>

#include <memory>

namespace plk {

namespace {

// At scale 0.5 libzint's vector output counts one unit per module.
constexpr float kModuleScale = 0.5f;
constexpr int kQrErrorCorrectionM = 2;
constexpr int kForeground = -1;  // colour of a rectangle drawn in the code's own colour

int symbology(BarcodeKind kind)
{
    switch (kind) {
    case BarcodeKind::QR: return BARCODE_QRCODE;
    case BarcodeKind::DataMatrix: return BARCODE_DATAMATRIX;
    case BarcodeKind::PDF417: return BARCODE_PDF417;
    case BarcodeKind::EAN13:
    case BarcodeKind::EAN8: return BARCODE_EANX;  // the variant follows the number of digits
    case BarcodeKind::UPCA: return BARCODE_UPCA;
    case BarcodeKind::Code128: return BARCODE_CODE128;
    case BarcodeKind::Code39: return BARCODE_CODE39;
    case BarcodeKind::ITF14: return BARCODE_ITF14;
    }
    return BARCODE_QRCODE;
}

struct SymbolDeleter {
    void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};
using SymbolPtr = std::unique_ptr<zint_symbol, SymbolDeleter>;

QString encoderError(BarcodeKind kind, int status)
{
    const QString phrase = barcodeKindPhrase(kind);
    switch (status) {
    case ZINT_ERROR_TOO_LONG: return QStringLiteral("Les données sont trop longues pour %1.").arg(phrase);
    case ZINT_ERROR_INVALID_DATA: return QStringLiteral("Ces données ne peuvent pas former %1.").arg(phrase);
    case ZINT_ERROR_INVALID_CHECK: return QStringLiteral("La clé de contrôle d'%1 est fausse.").arg(phrase);
    default: return QStringLiteral("Impossible de construire %1 avec ces données.").arg(phrase);
    }
}

Qt::Alignment alignmentOf(int halign)
{
    switch (halign) {
    case 1: return Qt::AlignLeft;
    case 2: return Qt::AlignRight;
    default: return Qt::AlignHCenter;
    }
}

BarcodeSymbol symbolOf(const zint_vector& v, double barHeight)
{
    BarcodeSymbol s;
    s.size = QSizeF(v.width, v.height);
    s.barHeight = barHeight;
    for (const zint_vector_rect* r = v.rectangles; r; r = r->next) {
        if (r->colour == kForeground)
            s.modules.emplace_back(r->x, r->y, r->width, r->height);
    }
    for (const zint_vector_string* t = v.strings; t; t = t->next) {
        s.texts.push_back({QPointF(t->x, t->y), t->fsize, t->width, alignmentOf(t->halign),
                           QString::fromUtf8(reinterpret_cast<const char*>(t->text))});
    }
    return s;
}

}  // namespace

BarcodeEncoding encodeBarcode(BarcodeKind kind, const QString& data, bool showText, double barHeight)
{
    BarcodeEncoding result;
    result.error = barcodeContentError(kind, data);
    if (!result.ok())
        return result;

    const SymbolPtr symbol(ZBarcode_Create());
    if (!symbol) {
        result.error = encoderError(kind, ZINT_ERROR_MEMORY);
        return result;
    }
    symbol->symbology = symbology(kind);
    symbol->input_mode = UNICODE_MODE;
    symbol->scale = kModuleScale;
    symbol->show_hrt = showText && isLinear(kind) ? 1 : 0;
    // Quiet zones belong to the code: a scanner needs them, and the object's box keeps them free.
    symbol->output_options |= BARCODE_QUIET_ZONES;
    if (barHeight > 0 && isLinear(kind))
        symbol->height = float(barHeight);
    if (kind == BarcodeKind::QR)
        symbol->option_1 = kQrErrorCorrectionM;
    if (kind == BarcodeKind::DataMatrix)
        symbol->option_3 = DM_SQUARE;

    // libzint computes GTIN check digits itself and reads a longer number as another
    // variant (eight digits as an EAN-13): it gets the digits before the check digit,
    // which has been checked above.
    const int digits = gtinDigits(kind);
    const QByteArray bytes = (digits > 0 ? data.left(digits) : data).toUtf8();
    const int status = ZBarcode_Encode_and_Buffer_Vector(symbol.get(), reinterpret_cast<const unsigned char*>(bytes.constData()),
                                                         int(bytes.size()), 0);
    if (status >= ZINT_ERROR || !symbol->vector) {
        result.error = encoderError(kind, status >= ZINT_ERROR ? status : ZINT_ERROR_ENCODING_PROBLEM);
        return result;
    }
    result.symbol = symbolOf(*symbol->vector, isLinear(kind) ? symbol->height : 0);
    return result;
}

QString barcodeDataError(BarcodeKind kind, const QString& data) { return encodeBarcode(kind, data, false).error; }

}  // namespace plk
