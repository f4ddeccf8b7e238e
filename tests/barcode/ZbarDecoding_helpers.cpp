// Decoding with zbar, apart from zxing-cpp: each library's headers define names the
// other uses.
#include "barcode/BarcodeDecoding.h"

#include <zbar.h>

#include <memory>

namespace plk::test {

using namespace zbar;

ZbarDecoded decodeWithZbar(const QImage& image, BarcodeKind kind)
{
    const zbar_symbol_type_t wanted = [kind] {
        switch (kind) {
        case BarcodeKind::QR: return ZBAR_QRCODE;
        case BarcodeKind::EAN13: return ZBAR_EAN13;
        case BarcodeKind::EAN8: return ZBAR_EAN8;
        case BarcodeKind::UPCA: return ZBAR_UPCA;
        case BarcodeKind::UPCE: return ZBAR_UPCE;
        case BarcodeKind::Code128:
        case BarcodeKind::GS1128: return ZBAR_CODE128;
        case BarcodeKind::Code39: return ZBAR_CODE39;
        case BarcodeKind::Code93: return ZBAR_CODE93;
        case BarcodeKind::Codabar: return ZBAR_CODABAR;
        case BarcodeKind::ITF14:
        case BarcodeKind::I2of5: return ZBAR_I25;
        default: return ZBAR_NONE;
        }
    }();
    ZbarDecoded decoded;
    decoded.readable = wanted != ZBAR_NONE;
    if (!decoded.readable)
        return decoded;
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    QByteArray bytes;
    for (int y = 0; y < grey.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(grey.constScanLine(y)), grey.width());
    const std::unique_ptr<zbar_image_scanner_t, void (*)(zbar_image_scanner_t*)> scanner(zbar_image_scanner_create(),
                                                                                          zbar_image_scanner_destroy);
    zbar_image_scanner_set_config(scanner.get(), wanted, ZBAR_CFG_ENABLE, 1);
    const std::unique_ptr<zbar_image_t, void (*)(zbar_image_t*)> zimage(zbar_image_create(), zbar_image_destroy);
    zbar_image_set_format(zimage.get(), zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(zimage.get(), unsigned(grey.width()), unsigned(grey.height()));
    zbar_image_set_data(zimage.get(), bytes.constData(), unsigned(bytes.size()), nullptr);
    if (zbar_scan_image(scanner.get(), zimage.get()) <= 0)
        return decoded;
    const zbar_symbol_t* symbol = zbar_image_first_symbol(zimage.get());
    decoded.found = true;
    decoded.text = QString::fromUtf8(zbar_symbol_get_data(symbol), int(zbar_symbol_get_data_length(symbol)));
    return decoded;
}

}  // namespace plk::test
