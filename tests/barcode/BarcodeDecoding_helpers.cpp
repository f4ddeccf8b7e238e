#include "barcode/BarcodeDecoding.h"

// Texts as UTF-8 strings rather than the decoder's older wide strings.
#define ZX_USE_UTF8
#include <ReadBarcode.h>

#include <QPainter>
#include <cmath>

namespace plk::test {

namespace {

constexpr double kMmPerInch = 25.4;

ZXing::BarcodeFormat formatOf(BarcodeKind kind)
{
    switch (kind) {
    case BarcodeKind::QR: return ZXing::BarcodeFormat::QRCode;
    case BarcodeKind::DataMatrix: return ZXing::BarcodeFormat::DataMatrix;
    case BarcodeKind::PDF417: return ZXing::BarcodeFormat::PDF417;
    case BarcodeKind::EAN13: return ZXing::BarcodeFormat::EAN13;
    case BarcodeKind::EAN8: return ZXing::BarcodeFormat::EAN8;
    case BarcodeKind::UPCA: return ZXing::BarcodeFormat::UPCA;
    case BarcodeKind::Code128: return ZXing::BarcodeFormat::Code128;
    case BarcodeKind::Code39: return ZXing::BarcodeFormat::Code39;
    case BarcodeKind::ITF14:
    case BarcodeKind::I2of5: return ZXing::BarcodeFormat::ITF;
    case BarcodeKind::UPCE: return ZXing::BarcodeFormat::UPCE;
    case BarcodeKind::EAN13AddOn: return ZXing::BarcodeFormat::EAN13;
    case BarcodeKind::GS1128: return ZXing::BarcodeFormat::Code128;
    case BarcodeKind::GS1DataMatrix: return ZXing::BarcodeFormat::DataMatrix;
    case BarcodeKind::Aztec: return ZXing::BarcodeFormat::Aztec;
    case BarcodeKind::Codabar: return ZXing::BarcodeFormat::Codabar;
    case BarcodeKind::Code93: return ZXing::BarcodeFormat::Code93;
    }
    return ZXing::BarcodeFormat::None;
}

}  // namespace

Decoded decodeBarcode(const QImage& image, BarcodeKind kind, bool code39FullAscii)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                                int(grey.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(formatOf(kind));
    hints.setTryHarder(true);
    hints.setTryCode39ExtendedMode(code39FullAscii);
    hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Require);
    if (kind != BarcodeKind::EAN13AddOn)
        hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Ignore);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return {};
    const std::string id = result.symbologyIdentifier();
    const bool gs1 = id == "]C1" || id == "]d2";
    return {true, QString::fromStdString((gs1 ? id : std::string()) + result.text())};
}

QImage whitePicture(QSizeF mm, int dotsPerInch)
{
    const QSize pixels(int(std::lround(mm.width() * dotsPerInch / kMmPerInch)),
                       int(std::lround(mm.height() * dotsPerInch / kMmPerInch)));
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMetre = int(std::lround(dotsPerInch / kMmPerInch * 1000));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

void useMillimetres(QPainter& painter, int dotsPerInch)
{
    painter.scale(dotsPerInch / kMmPerInch, dotsPerInch / kMmPerInch);
}

}  // namespace plk::test
