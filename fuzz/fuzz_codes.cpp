// Code data and kinds on any bytes: the first byte chooses the kind, the next ones
// whether the text shows and the size of the box, the rest is the data (UTF-8). Data
// is either refused with a reason or encoded within its bounds, then drawn on a
// picture (whole pixels) and as vectors at that size; its record reads back the same.
#include "FuzzSupport.h"

#include "barcode/core/BarcodeData.h"
#include "barcode/core/BarcodePainter.h"
#include "barcode/core/CodeObject.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <cmath>

namespace {

constexpr std::size_t kHeader = 4;
constexpr int kPicture = 160;  // pixels: the box may be larger, the code then overflows it

void check(bool ok, const char* what, const QString& data)
{
    if (!ok)
        plk::fuzz::finding(what, data);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    plk::fuzz::initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kHeader)
        return 0;
    using namespace plk;
    const BarcodeKind kind = kBarcodeKinds.at(data[0] % kBarcodeKinds.size());
    const bool showText = data[1] & 1;
    const QRectF box(-8 + data[1] / 16, -8 + data[1] % 16, 1 + data[2] * 2.5, 1 + data[3] * 1.5);
    const QString text = normalisedBarcodeData(QString::fromUtf8(fuzz::bytes(data + kHeader, size - kHeader)));

    check(unescapeCodeData(escapeCodeData(text)) == text, "the data does not read back from its record", text);
    const BarcodeEncoding encoded = encodeBarcode(kind, text, showText);
    check(encoded.ok() == barcodeDataError(kind, text).isEmpty(), "the check and the encoder disagree", text);
    if (!encoded.ok())
        return 0;
    const QRectF bounds(QPointF(0, 0), encoded.symbol.size);
    for (const QRectF& m : encoded.symbol.modules)
        check(std::isfinite(m.width()) && bounds.adjusted(-0.01, -0.01, 0.01, 0.01).contains(m),
              "a module lies outside its symbol", text);

    QImage picture(kPicture, kPicture, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    check(paintBarcode(painter, box, kind, text, showText, Qt::black, &encoded), "an encoded code is not drawn", text);
    painter.end();

    QPicture vectors;
    QPainter recorder(&vectors);
    check(paintBarcode(recorder, box, kind, text, showText, Qt::black, &encoded), "an encoded code is not drawn",
          text);
    recorder.end();
    return 0;
}
