#include "export/core/ColorQuantizer.h"

#include "base/core/Rounding.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace plk {

namespace {

constexpr int kMaxColours = 256;

// One colour of the picture: how many pixels have it, and the sums of its
// channels (for the palette colour) and squares (for the error of a box).
struct Bin {
    std::array<int, 3> channels{};
    std::int64_t count = 0;
    std::array<double, 3> sum{};
    std::array<double, 3> sumSq{};
};

struct Box {
    std::size_t begin;  // range of bins in the shared bin vector
    std::size_t end;
    double error = 0;   // sum of squared distances to the box's mean colour
};

double boxError(const std::vector<Bin>& bins, std::size_t begin, std::size_t end, int* widestChannel)
{
    std::int64_t n = 0;
    std::array<double, 3> sum{}, sumSq{};
    for (std::size_t i = begin; i < end; ++i) {
        n += bins[i].count;
        for (int c = 0; c < 3; ++c) {
            sum[std::size_t(c)] += bins[i].sum[std::size_t(c)];
            sumSq[std::size_t(c)] += bins[i].sumSq[std::size_t(c)];
        }
    }
    double total = 0;
    double widest = -1;
    for (std::size_t c = 0; c < 3; ++c) {
        const double e = sumSq[c] - sum[c] * sum[c] / double(n);
        total += e;
        if (e > widest) {
            widest = e;
            if (widestChannel)
                *widestChannel = int(c);
        }
    }
    return total;
}

Box makeBox(const std::vector<Bin>& bins, std::size_t begin, std::size_t end)
{
    // A single colour cannot be split further.
    return {begin, end, end - begin > 1 ? boxError(bins, begin, end, nullptr) : 0.0};
}

// Splits the box along its channel of most spread, at the pixel median.
std::pair<Box, Box> split(std::vector<Bin>& bins, const Box& box)
{
    int channel = 0;
    boxError(bins, box.begin, box.end, &channel);
    const auto first = bins.begin() + std::ptrdiff_t(box.begin);
    const auto last = bins.begin() + std::ptrdiff_t(box.end);
    std::sort(first, last, [channel](const Bin& a, const Bin& b) {
        return a.channels[std::size_t(channel)] < b.channels[std::size_t(channel)];
    });
    std::int64_t total = 0;
    for (auto it = first; it != last; ++it)
        total += it->count;
    std::int64_t running = 0;
    std::size_t cut = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
        running += bins[i].count;
        cut = i + 1;
        if (2 * running >= total)
            break;
    }
    return {makeBox(bins, box.begin, cut), makeBox(bins, cut, box.end)};
}

std::vector<QRgb> medianCutPalette(const QImage& rgb)
{
    // Gradients trace thin curves through colour space: coarse histogram cells would
    // leave too few boxes to split, so every distinct colour is a bin of its own.
    QHash<QRgb, std::size_t> binIndex;
    std::vector<Bin> bins;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x];
            auto slot = binIndex.constFind(c);
            if (slot == binIndex.constEnd()) {
                slot = binIndex.insert(c, bins.size());
                bins.push_back({{qRed(c), qGreen(c), qBlue(c)}, 0, {}, {}});
            }
            Bin& b = bins[*slot];
            ++b.count;
            const std::array<double, 3> v = {double(qRed(c)), double(qGreen(c)), double(qBlue(c))};
            for (std::size_t k = 0; k < 3; ++k) {
                b.sum[k] += v[k];
                b.sumSq[k] += v[k] * v[k];
            }
        }
    }

    std::vector<Box> boxes = {makeBox(bins, 0, bins.size())};
    while (int(boxes.size()) < kMaxColours) {
        const auto worst = std::max_element(boxes.begin(), boxes.end(),
                                            [](const Box& a, const Box& b) { return a.error < b.error; });
        if (worst->error <= 0)
            break;  // every box holds a single colour
        const auto [low, high] = split(bins, *worst);
        *worst = low;
        boxes.push_back(high);
    }

    std::vector<QRgb> palette;
    palette.reserve(boxes.size());
    for (const Box& box : boxes) {
        std::int64_t n = 0;
        std::array<double, 3> sum{};
        for (std::size_t i = box.begin; i < box.end; ++i) {
            n += bins[i].count;
            for (std::size_t k = 0; k < 3; ++k)
                sum[k] += bins[i].sum[k];
        }
        const auto mean = [&](std::size_t k) { return clampTo<int>(std::round(sum[k] / double(n))); };
        palette.push_back(qRgb(mean(0), mean(1), mean(2)));
    }
    return palette;
}

// Nearest palette entry of a colour, remembered per 6-bit cell: dithering carries
// the small error of the cell to the neighbours anyway.
class NearestColour {
public:
    explicit NearestColour(const std::vector<QRgb>& palette) : m_palette(palette), m_cache(1 << 18, -1) {}

    int operator()(int r, int g, int b)
    {
        const std::size_t key = std::size_t(((r >> 2) << 12) | ((g >> 2) << 6) | (b >> 2));
        if (m_cache[key] < 0)
            m_cache[key] = std::int16_t(search(r, g, b));
        return m_cache[key];
    }

private:
    int search(int r, int g, int b) const
    {
        int best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (std::size_t i = 0; i < m_palette.size(); ++i) {
            const int dr = qRed(m_palette[i]) - r;
            const int dg = qGreen(m_palette[i]) - g;
            const int db = qBlue(m_palette[i]) - b;
            const int d = dr * dr + dg * dg + db * db;
            if (d < bestDistance) {
                bestDistance = d;
                best = int(i);
            }
        }
        return best;
    }

    const std::vector<QRgb>& m_palette;
    std::vector<std::int16_t> m_cache;
};

void mapWithPalette(const QImage& rgb, bool dither, IndexedPicture& out)
{
    NearestColour nearest(out.palette);
    const int w = rgb.width();
    // Errors carried to the current and the next row, one pixel of margin each side.
    std::vector<std::array<float, 3>> current(std::size_t(w + 2)), next(std::size_t(w + 2));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        std::fill(next.begin(), next.end(), std::array<float, 3>{});
        for (int x = 0; x < w; ++x) {
            const std::array<float, 3>& e = current[std::size_t(x + 1)];
            const std::array<int, 3> want = {
                std::clamp(clampTo<int>(std::round(float(qRed(line[x])) + e[0])), 0, 255),
                std::clamp(clampTo<int>(std::round(float(qGreen(line[x])) + e[1])), 0, 255),
                std::clamp(clampTo<int>(std::round(float(qBlue(line[x])) + e[2])), 0, 255)};
            const int index = nearest(want[0], want[1], want[2]);
            out.pixels[std::size_t(y) * std::size_t(w) + std::size_t(x)] = std::uint8_t(index);
            if (!dither)
                continue;
            const QRgb got = out.palette[std::size_t(index)];
            const std::array<float, 3> err = {float(want[0] - qRed(got)), float(want[1] - qGreen(got)),
                                              float(want[2] - qBlue(got))};
            for (std::size_t k = 0; k < 3; ++k) {
                current[std::size_t(x + 2)][k] += err[k] * 7.0f / 16.0f;
                next[std::size_t(x)][k] += err[k] * 3.0f / 16.0f;
                next[std::size_t(x + 1)][k] += err[k] * 5.0f / 16.0f;
                next[std::size_t(x + 2)][k] += err[k] * 1.0f / 16.0f;
            }
        }
        std::swap(current, next);
    }
}

// The exact colours of a picture when there are few enough of them.
bool exactPalette(const QImage& rgb, IndexedPicture& out)
{
    QHash<QRgb, std::uint8_t> index;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            auto it = index.constFind(line[x]);
            if (it == index.constEnd()) {
                if (index.size() == kMaxColours)
                    return false;
                it = index.insert(line[x], std::uint8_t(index.size()));
                out.palette.push_back(line[x]);
            }
            out.pixels[std::size_t(y) * std::size_t(rgb.width()) + std::size_t(x)] = *it;
        }
    }
    return true;
}

}  // namespace

IndexedPicture ColorQuantizer::quantize(const QImage& picture) const
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    IndexedPicture out;
    out.width = rgb.width();
    out.height = rgb.height();
    out.pixels.resize(std::size_t(out.width) * std::size_t(out.height));
    if (exactPalette(rgb, out))
        return out;
    out.palette = medianCutPalette(rgb);  // replaces the colours counted so far
    mapWithPalette(rgb, m_dithering == Dithering::FloydSteinberg, out);
    return out;
}

}  // namespace plk
