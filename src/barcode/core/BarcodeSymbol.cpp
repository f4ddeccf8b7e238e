#include "barcode/core/BarcodeSymbol.h"

#include "barcode/core/BarcodeData.h"
#include "barcode/core/VCard.h"

#include <zint.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <tuple>

namespace plk {

namespace {

// At scale 0.5 libzint's vector output counts one unit per module.
constexpr float kModuleScale = 0.5f;
constexpr int kQrErrorCorrectionM = 2;
constexpr int kForeground = -1;  // colour of a rectangle drawn in the code's own colour
constexpr int kUtf8Eci = 26;

bool isAscii(const QString& data)
{
    return std::all_of(data.begin(), data.end(), [](QChar c) { return c.unicode() < 0x80; });
}

/// Code 39 takes lower case and other signs in its full-ASCII form, which readers
/// must be told to expect: plain Code 39 stays the form of data that needs no more.
bool needsFullAscii(const QString& data)
{
    const QString basic = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ -.$/+%");
    return std::any_of(data.begin(), data.end(), [&basic](QChar c) { return !basic.contains(c); });
}

int symbology(BarcodeKind kind, const QString& data)
{
    switch (kind) {
    case BarcodeKind::QR: return BARCODE_QRCODE;
    case BarcodeKind::DataMatrix: return BARCODE_DATAMATRIX;
    case BarcodeKind::PDF417: return BARCODE_PDF417;
    case BarcodeKind::EAN13:
    case BarcodeKind::EAN8: return BARCODE_EANX;  // the variant follows the number of digits
    case BarcodeKind::UPCA: return BARCODE_UPCA;
    case BarcodeKind::Code128: return BARCODE_CODE128;
    case BarcodeKind::Code39: return needsFullAscii(data) ? BARCODE_EXCODE39 : BARCODE_CODE39;
    case BarcodeKind::ITF14: return BARCODE_ITF14;
    case BarcodeKind::UPCE: return data.size() == 8 ? BARCODE_UPCE_CHK : BARCODE_UPCE;
    case BarcodeKind::EAN13AddOn: return BARCODE_EANX;
    case BarcodeKind::GS1128: return BARCODE_GS1_128;
    case BarcodeKind::GS1DataMatrix: return BARCODE_DATAMATRIX;
    case BarcodeKind::Aztec: return BARCODE_AZTEC;
    case BarcodeKind::Codabar: return BARCODE_CODABAR;
    case BarcodeKind::Code93: return BARCODE_CODE93;
    case BarcodeKind::I2of5: return BARCODE_C25INTER;
    }
    return BARCODE_QRCODE;
}

bool isGs1(BarcodeKind kind) { return kind == BarcodeKind::GS1128 || kind == BarcodeKind::GS1DataMatrix; }

struct SymbolDeleter {
    void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};
using SymbolPtr = std::unique_ptr<zint_symbol, SymbolDeleter>;

/// The data as libzint takes it, once checked.
QString encoderInput(BarcodeKind kind, const QString& data)
{
    // libzint computes GTIN check digits itself and reads a longer number as another
    // variant (eight digits as an EAN-13): it gets the digits before the check digit,
    // which has been checked.
    if (const int digits = gtinDigits(kind); digits > 0)
        return data.left(digits);
    if (kind == BarcodeKind::EAN13AddOn) {
        const qsizetype plus = data.indexOf(QLatin1Char('+'));
        return data.left(std::min<qsizetype>(plus, gtinDigits(BarcodeKind::EAN13))) + data.mid(plus);
    }
    if (kind == BarcodeKind::Codabar && (data.size() < 3 || !QStringLiteral("ABCD").contains(data.front())))
        return QLatin1Char('A') + data + QLatin1Char('B');
    if (carriesText(kind))
        return withVCardLineEnds(data);
    return data;
}

QString encoderError(BarcodeKind kind, int status)
{
    const QString phrase = barcodeKindPhrase(kind);
    if (status == ZINT_ERROR_INVALID_DATA && (kind == BarcodeKind::GS1128 || kind == BarcodeKind::GS1DataMatrix))
        return QStringLiteral("Les identifiants d'application d'%1 sont inconnus ou leurs valeurs ne leur conviennent pas.")
            .arg(phrase);
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

bool near(double a, double b) { return std::abs(a - b) < 1e-4; }

/// The dark rectangles with runs merged: touching ones of a row become one, then
/// runs of the same width right under one another, so a page gets few rectangles.
std::vector<QRectF> mergedRuns(std::vector<QRectF> rects)
{
    const auto merge = [&rects](auto order, auto follows, auto join) {
        std::sort(rects.begin(), rects.end(), order);
        std::vector<QRectF> out;
        for (const QRectF& r : rects) {
            if (!out.empty() && follows(out.back(), r))
                join(out.back(), r);
            else
                out.push_back(r);
        }
        rects = std::move(out);
    };
    const auto byRow = [](const QRectF& a, const QRectF& b) {
        return std::make_tuple(a.y(), a.height(), a.x()) < std::make_tuple(b.y(), b.height(), b.x());
    };
    const auto besideInRow = [](const QRectF& a, const QRectF& b) {
        return near(a.y(), b.y()) && near(a.height(), b.height()) && near(a.right(), b.x());
    };
    merge(byRow, besideInRow, [](QRectF& a, const QRectF& b) { a.setRight(b.right()); });
    const auto byColumn = [](const QRectF& a, const QRectF& b) {
        return std::make_tuple(a.x(), a.width(), a.y()) < std::make_tuple(b.x(), b.width(), b.y());
    };
    const auto underInColumn = [](const QRectF& a, const QRectF& b) {
        return near(a.x(), b.x()) && near(a.width(), b.width()) && near(a.bottom(), b.y());
    };
    merge(byColumn, underInColumn, [](QRectF& a, const QRectF& b) { a.setBottom(b.bottom()); });
    return rects;
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
    s.modules = mergedRuns(std::move(s.modules));
    for (const zint_vector_string* t = v.strings; t; t = t->next) {
        s.texts.push_back({QPointF(t->x, t->y), t->fsize, t->width, alignmentOf(t->halign),
                           QString::fromUtf8(reinterpret_cast<const char*>(t->text))});
    }
    return s;
}

/// The quiet zone, in modules, libzint leaves around a two-dimensional code made of rows
/// and columns of square modules; none for the other kinds.
std::optional<int> matrixQuietZone(BarcodeKind kind)
{
    switch (kind) {
    case BarcodeKind::QR: return 4;
    case BarcodeKind::DataMatrix:
    case BarcodeKind::GS1DataMatrix: return 1;
    case BarcodeKind::Aztec: return 0;
    default: return std::nullopt;
    }
}

/// The dark modules of an encoded matrix code, inside its quiet zone.
BarcodeSymbol matrixSymbol(const zint_symbol& s, int quietZone)
{
    const auto dark = [&s](int row, int col) { return (s.encoded_data[row][col >> 3] >> (col & 7)) & 1; };
    BarcodeSymbol out;
    out.size = QSizeF(s.width + 2 * quietZone, s.rows + 2 * quietZone);
    for (int row = 0; row < s.rows; ++row) {
        for (int col = 0; col < s.width; ++col) {
            if (!dark(row, col))
                continue;
            const int first = col;  // a run of dark modules, one rectangle
            while (col + 1 < s.width && dark(row, col + 1))
                ++col;
            out.modules.emplace_back(first + quietZone, row + quietZone, col + 1 - first, 1);
        }
    }
    out.modules = mergedRuns(std::move(out.modules));
    return out;
}

/// libzint's symbol for the data, set up as every code of the kind is made; null when
/// libzint has no memory for it.
SymbolPtr preparedSymbol(BarcodeKind kind, const QString& data, bool showText, double barHeight)
{
    SymbolPtr symbol(ZBarcode_Create());
    if (!symbol)
        return symbol;
    symbol->symbology = symbology(kind, data);
    symbol->input_mode = isGs1(kind) ? GS1_MODE | GS1PARENS_MODE : UNICODE_MODE;
    // Text beyond ASCII goes as UTF-8, and says so: every reader then decodes it alike.
    if (carriesText(kind) && !isAscii(data))
        symbol->eci = kUtf8Eci;
    symbol->scale = kModuleScale;
    symbol->show_hrt = showText && isLinear(kind) ? 1 : 0;
    // Quiet zones belong to the code: a scanner needs them, and the object's box keeps them free.
    symbol->output_options |= BARCODE_QUIET_ZONES;
    if (barHeight > 0 && isLinear(kind))
        symbol->height = float(barHeight);
    if (kind == BarcodeKind::QR)
        symbol->option_1 = kQrErrorCorrectionM;
    if (kind == BarcodeKind::DataMatrix || kind == BarcodeKind::GS1DataMatrix)
        symbol->option_3 = DM_SQUARE;
    return symbol;
}

/// Encodes the checked data into the symbol, with its geometry when asked (the larger
/// part of the work for a two-dimensional code); why it failed, or empty.
QString encodedInto(zint_symbol* symbol, BarcodeKind kind, const QString& data, bool withGeometry)
{
    if (!symbol)
        return encoderError(kind, ZINT_ERROR_MEMORY);
    const QByteArray bytes = encoderInput(kind, data).toUtf8();
    const auto* input = reinterpret_cast<const unsigned char*>(bytes.constData());
    int status = withGeometry ? ZBarcode_Encode_and_Buffer_Vector(symbol, input, int(bytes.size()), 0)
                              : ZBarcode_Encode(symbol, input, int(bytes.size()));
    // A GS1 code whose values break the rules of their identifiers (a wrong check digit,
    // a date of month 13) comes as "not compliant": scanners would refuse it.
    if (isGs1(kind) && status == ZINT_WARN_NONCOMPLIANT)
        status = ZINT_ERROR_INVALID_DATA;
    if (status < ZINT_ERROR && withGeometry && !symbol->vector)
        status = ZINT_ERROR_ENCODING_PROBLEM;
    return status >= ZINT_ERROR ? encoderError(kind, status) : QString();
}

}  // namespace

BarcodeEncoding encodeBarcode(BarcodeKind kind, const QString& data, bool showText, double barHeight)
{
    BarcodeEncoding result;
    result.error = barcodeContentError(kind, data);
    if (!result.ok())
        return result;
    const SymbolPtr symbol = preparedSymbol(kind, data, showText, barHeight);
    // A matrix code's modules are read off its encoding: libzint's own geometry of the
    // same squares costs more than the encoding itself.
    const std::optional<int> quietZone = matrixQuietZone(kind);
    result.error = encodedInto(symbol.get(), kind, data, !quietZone);
    if (result.ok())
        result.symbol = quietZone ? matrixSymbol(*symbol, *quietZone)
                                  : symbolOf(*symbol->vector, isLinear(kind) ? symbol->height : 0);
    return result;
}

QString barcodeDataError(BarcodeKind kind, const QString& data)
{
    // Checked without the code's geometry, which a merge's check of every row never draws.
    if (QString error = barcodeContentError(kind, data); !error.isEmpty())
        return error;
    return encodedInto(preparedSymbol(kind, data, false, 0).get(), kind, data, false);
}

}  // namespace plk
