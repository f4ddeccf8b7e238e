#include "gradient/core/ColorGradient.h"

#include "base/core/Rounding.h"
#include "base/core/Surface.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <vector>

namespace plk {

namespace {

struct Channels {
    int red = 0;
    int green = 0;
    int blue = 0;
};

Channels SplitColor(OleColor colour)
{
    return {colour % 256, (colour & 0xFF00) / 256, (colour & 0xFF0000) / 65536};
}

int BlendChannel(int a, int b, int percent)
{
    const double t = percent / 100.0;
    return roundClamped<int>(a <= b ? a + t * (b - a) : a - t * (a - b));
}

OleColor BlendColor(const Channels& a, const Channels& b, int percent)
{
    const int p = std::clamp(percent, 0, 100);
    return rgbColor(BlendChannel(a.red, b.red, p), BlendChannel(a.green, b.green, p),
                    BlendChannel(a.blue, b.blue, p));
}

// How a linear direction sweeps the surface: along the columns or the rows, from
// the low or the high end, and whether its lines lean ("/" = +1, "\" = -1).
struct LinearSweep {
    bool rows;
    bool reversed;
    int lean;
};

constexpr std::array<LinearSweep, 8> kLinearSweeps = {{
    {false, false, +1},  // 0
    {true, false, 0},    // 1
    {false, true, -1},   // 2
    {false, true, 0},    // 3
    {false, true, +1},   // 4
    {true, true, 0},     // 5
    {false, false, -1},  // 6
    {false, false, 0},   // 7
}};

constexpr int kRadial = 8;

}  // namespace

ColorGradient::ColorGradient()
{
    m_stops.front() = {rgbColor(0, 0, 0), true};
    m_stops.back() = {rgbColor(255, 255, 255), true};
    CalcStops();
}

void ColorGradient::SetColor(std::int16_t ColorIndex, OleColor ColorValue)
{
    if (ColorIndex < 0 || ColorIndex >= kStopCount)
        return;
    if (ColorValue < 0) {
        UnSetColor(ColorIndex);
        return;
    }
    m_stops[std::size_t(ColorIndex)] = {ColorValue, true};
    CalcStops();
}

void ColorGradient::SetColorRGB(std::int16_t ColorIndex, std::int16_t red, std::int16_t Green, std::int16_t Blue)
{
    // Channels beyond a byte would spill into their neighbours (or make the colour
    // negative, which would release the stop): hold them to a byte.
    const auto byte = [](int v) { return std::clamp(v, 0, 255); };
    SetColor(ColorIndex, rgbColor(byte(red), byte(Green), byte(Blue)));
}

void ColorGradient::UnSetColor(std::int16_t ColorIndex)
{
    if (ColorIndex < 1 || ColorIndex > kStopCount - 2)
        return;
    m_stops[std::size_t(ColorIndex)].set = false;
    CalcStops();
}

OleColor ColorGradient::GetColor(std::int16_t ColorIndex) const
{
    if (ColorIndex < 0 || ColorIndex >= kStopCount)
        return 0;
    return m_stops[std::size_t(ColorIndex)].colour;
}

bool ColorGradient::isSet(std::int16_t ColorIndex) const
{
    return ColorIndex >= 0 && ColorIndex < kStopCount && m_stops[std::size_t(ColorIndex)].set;
}

void ColorGradient::CalcStops()
{
    m_stops.front().set = true;
    m_stops.back().set = true;

    std::vector<int> setStops;
    for (int i = 0; i < kStopCount; ++i) {
        if (m_stops[std::size_t(i)].set)
            setStops.push_back(i);
    }
    for (std::size_t j = 0; j + 1 < setStops.size(); ++j) {
        const int a = setStops[j];
        const int b = setStops[j + 1];
        const Channels from = SplitColor(m_stops[std::size_t(a)].colour);
        const Channels to = SplitColor(m_stops[std::size_t(b)].colour);
        for (int k = a + 1; k < b; ++k) {
            // 100 * (k - a) / (b - a), in the order that gives 33 and 67 between
            // stops three apart.
            const double p = 100.0 - (100.0 / ((b - a) * 10.0)) * (b - k) * 10.0;
            m_stops[std::size_t(k)].colour = BlendColor(from, to, roundTo<std::int16_t>(p));
        }
    }
}

OleColor ColorGradient::ColorAt(float percent) const
{
    // A percentage that is no number (a sweep over no pixels) counts as the start.
    if (!(percent >= 0.0f))
        percent = 0.0f;
    percent = std::min(percent, 100.0f);

    int i = 0;
    while (i <= 9 && percent >= float(i * 10))
        ++i;
    const float f = (percent - float((i - 1) * 10)) * 10.0f;
    return BlendColor(SplitColor(m_stops[std::size_t(i - 1)].colour), SplitColor(m_stops[std::size_t(i)].colour),
                      roundTo<std::int32_t>(f));
}

void ColorGradient::PaintObject(Surface& target, int direction) const
{
    if (direction >= 0 && direction < kRadial)
        PaintLinear(target, direction);
    else if (direction == kRadial)
        PaintRadial(target);
}

namespace {

/// floor(a / b) for b > 0, whatever the sign of a.
int floorDiv(int a, int b) { return a / b - (a % b < 0 ? 1 : 0); }

}  // namespace

// Each pixel takes the colour of the line that passes through it. The lines are one
// pixel apart in every row (or column), so every pixel lies on exactly one of them:
// working out which one leaves no gap, where drawing them one by one as thin lines
// would leave some (a 45-degree line drawn between pixel centres does not tile).
void ColorGradient::PaintLinear(Surface& target, int direction) const
{
    const LinearSweep sweep = kLinearSweeps[std::size_t(direction)];
    const double tx = target.twipsPerPixel();
    const double ty = target.twipsPerPixel();
    const int wPx = roundTo<int>(target.widthTwips() / tx);
    const int hPx = roundTo<int>(target.heightTwips() / ty);
    const int half = roundTo<int>(hPx / 2.0);

    const int n = sweep.rows ? hPx : wPx;
    if (wPx <= 0 || hPx <= 0)
        return;  // nothing to sweep across
    // Leaning lines start and end half a height beyond the edges so that the
    // corners are covered.
    const int reach = sweep.lean != 0 ? half : 0;
    std::vector<QRgb> lineColour(std::size_t(n + 2 * reach + 1));
    for (int i = -reach; i <= n + reach; ++i) {
        float pct = float(i) / float(n) * 100.0f;
        if (sweep.reversed)
            pct = 100.0f - pct;
        lineColour[std::size_t(i + reach)] = toQColor(ColorAt(pct)).rgb();
    }

    QImage picture(wPx, hPx, QImage::Format_RGB32);
    for (int y = 0; y < hPx; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        if (sweep.rows) {
            std::fill(row, row + wPx, lineColour[std::size_t(y)]);
            continue;
        }
        // Line i runs from column i + lean * half at the top to i - lean * half at
        // the bottom; in this row it passes through column i + shift (halves round up).
        const int numerator = sweep.lean * half * (hPx - 2 * y);
        const int shift = floorDiv(2 * numerator + hPx, 2 * hPx);
        const QRgb* first = lineColour.data() + (reach - shift);
        std::copy(first, first + wPx, row);
    }
    target.picture(picture, 0, 0, target.scaleWidth(), target.scaleHeight());
}

// Filled circles from the largest (the corners) to the smallest (the centre): each
// pixel shows the smallest circle that holds its centre. A circle always fills the
// pixel its own centre falls in, however small it is, so that pixel shows stop 0.
void ColorGradient::PaintRadial(Surface& target) const
{
    const double tx = target.twipsPerPixel();
    const double ty = target.twipsPerPixel();
    const int cx = roundTo<int>(target.widthTwips() / 2.0);
    const int cy = roundTo<int>(target.heightTwips() / 2.0);
    const int r = roundTo<int>(std::sqrt(double(cx) * cx + double(cy) * cy));
    const int wPx = roundTo<int>(target.widthTwips() / tx);
    const int hPx = roundTo<int>(target.heightTwips() / ty);
    if (r == 0 || wPx <= 0 || hPx <= 0)
        return;  // a surface without size: no circle to shrink

    // From the largest circle in 200 steps down to the centre.
    std::vector<float> radii;
    std::vector<QRgb> colours;
    const float step = -float(r) / 200.0f;
    for (float k = float(r); k >= 0.0f; k += step) {
        radii.push_back(k);
        colours.push_back(toQColor(ColorAt(k / float(r) * 100.0f)).rgb());
    }

    QImage picture(wPx, hPx, QImage::Format_RGB32);
    for (int y = 0; y < hPx; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const double dy = (y + 0.5) * ty - cy;
        for (int x = 0; x < wPx; ++x) {
            const double dx = (x + 0.5) * tx - cx;
            const double d = std::sqrt(dx * dx + dy * dy);
            // The radii shrink: the first one smaller than d ends the circles that
            // hold the pixel. A pixel beyond the largest circle takes its colour too.
            const auto outside = std::partition_point(radii.begin(), radii.end(), [d](float k) { return k >= d; });
            row[x] = colours[std::size_t(std::max<std::ptrdiff_t>(outside - radii.begin() - 1, 0))];
        }
    }
    const int centreX = std::min(int(cx / tx), wPx - 1);
    const int centreY = std::min(int(cy / ty), hPx - 1);
    picture.setPixel(centreX, centreY, colours.back());
    target.picture(picture, 0, 0, target.scaleWidth(), target.scaleHeight());
}

}  // namespace plk
