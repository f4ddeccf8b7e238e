#include "ExportPictures.h"

#include "canvas/core/ImageSurface.h"
#include "gradient/core/ColorGradient.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace plk::test {

QImage labelPicture()
{
    ImageSurface s = ImageSurface::fromTwips(100 * kTwipsPerMm, 60 * kTwipsPerMm);
    s.setScaleMode(Surface::ScaleMode::Twips);
    ColorGradient g;
    g.SetColorRGB(0, 200, 30, 30);
    g.SetColorRGB(5, 250, 240, 200);
    g.SetColorRGB(10, 20, 60, 180);
    g.PaintObject(s, 7);
    QImage image = s.image().convertToFormat(QImage::Format_RGB32);
    for (int y = 150; y < 170; ++y)
        for (int x = 20; x < 350; ++x)
            image.setPixel(x, y, qRgb(20, 20, 30));
    for (int y = 30; y < 70; ++y)
        for (int x = 280; x < 320; ++x)
            image.setPixel(x, y, qRgb(255, 255, 255));
    return image;
}

namespace {

std::array<double, 3> average(const QImage& image, int cx, int cy, int radius)
{
    std::array<double, 3> sum{};
    int n = 0;
    for (int y = std::max(0, cy - radius); y <= std::min(image.height() - 1, cy + radius); ++y)
        for (int x = std::max(0, cx - radius); x <= std::min(image.width() - 1, cx + radius); ++x) {
            const QRgb c = image.pixel(x, y);
            sum[0] += qRed(c);
            sum[1] += qGreen(c);
            sum[2] += qBlue(c);
            ++n;
        }
    for (double& v : sum)
        v /= n;
    return sum;
}

}  // namespace

PixelDifference compare(const QImage& a, const QImage& b, int radius)
{
    PixelDifference d;
    if (a.size() != b.size() || a.isNull()) {
        d.mean = d.max = 255;
        return d;
    }
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const auto pa = average(a, x, y, radius);
            const auto pb = average(b, x, y, radius);
            for (std::size_t k = 0; k < 3; ++k) {
                const double diff = std::abs(pa[k] - pb[k]);
                total += diff;
                d.max = std::max(d.max, int(diff + 0.5));
            }
        }
    d.mean = total / (3.0 * a.width() * a.height());
    return d;
}

}  // namespace plk::test
