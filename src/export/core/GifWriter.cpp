#include "export/core/GifWriter.h"

#include <QIODevice>

#include <gif_lib.h>

#include <memory>

namespace plk {

namespace {

int writeToDevice(GifFileType* gif, const GifByteType* bytes, int length)
{
    auto* device = static_cast<QIODevice*>(gif->UserData);
    return int(device->write(reinterpret_cast<const char*>(bytes), length));
}

GdiStatus statusOf(int gifError)
{
    switch (gifError) {
    case E_GIF_SUCCEEDED: return GdiStatus::Ok;
    case E_GIF_ERR_NOT_ENOUGH_MEM: return GdiStatus::OutOfMemory;
    case E_GIF_ERR_OPEN_FAILED:
    case E_GIF_ERR_WRITE_FAILED:
    case E_GIF_ERR_CLOSE_FAILED: return GdiStatus::Win32Error;
    case E_GIF_ERR_NOT_WRITEABLE: return GdiStatus::AccessDenied;
    default: return GdiStatus::GenericError;
    }
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// giflib wants a palette of a power of two entries, at least two.
std::unique_ptr<ColorMapObject, MapDeleter> colourMap(const std::vector<QRgb>& palette)
{
    int size = 2;
    while (size < int(palette.size()))
        size *= 2;
    std::vector<GifColorType> colours(std::size_t(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.size(); ++i)
        colours[i] = {GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])), GifByteType(qBlue(palette[i]))};
    return std::unique_ptr<ColorMapObject, MapDeleter>(GifMakeMapObject(size, colours.data()));
}

}  // namespace

GdiStatus GifWriter::write(const QImage& picture, QIODevice& device) const
{
    constexpr int kMaxSide = 65535;  // sizes are 16-bit in the file
    if (picture.width() > kMaxSide || picture.height() > kMaxSide)
        return GdiStatus::ValueOverflow;

    IndexedPicture indexed = m_quantizer.quantize(picture);
    const auto map = colourMap(indexed.palette);
    if (!map)
        return GdiStatus::OutOfMemory;

    int error = E_GIF_SUCCEEDED;
    GifFileType* gif = EGifOpen(&device, writeToDevice, &error);
    if (!gif)
        return statusOf(error);

    bool ok = EGifPutScreenDesc(gif, indexed.width, indexed.height, 8, 0, map.get()) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height; ++y) {
        GifPixelType* row = indexed.pixels.data() + std::size_t(y) * std::size_t(indexed.width);
        ok = EGifPutLine(gif, row, indexed.width) == GIF_OK;
    }
    const int failure = ok ? E_GIF_SUCCEEDED : gif->Error;
    int closeError = E_GIF_SUCCEEDED;
    const bool closed = EGifCloseFile(gif, &closeError) == GIF_OK;
    if (!ok)
        return statusOf(failure);
    return closed ? GdiStatus::Ok : statusOf(closeError);
}

}  // namespace plk
