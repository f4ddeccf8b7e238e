#include "canvas/core/ZoomSteps.h"

#include <algorithm>
#include <array>

namespace plk {

namespace {

constexpr std::array kSteps{25, 33, 50, 67, 75, 100, 125, 150, 200, 300, 400, 600, 800};

}  // namespace

int zoomIn(int percent)
{
    const auto* next = std::upper_bound(kSteps.begin(), kSteps.end(), percent);
    return next == kSteps.end() ? kMaxZoom : *next;
}

int zoomOut(int percent)
{
    const auto* below = std::lower_bound(kSteps.begin(), kSteps.end(), percent);
    return below == kSteps.begin() ? kMinZoom : *(below - 1);
}

int fitZoom(QSize area, QSize canvas)
{
    if (canvas.width() <= 0 || canvas.height() <= 0 || area.width() <= 0 || area.height() <= 0)
        return 100;
    const qint64 across = qint64(area.width()) * 100 / canvas.width();
    const qint64 down = qint64(area.height()) * 100 / canvas.height();
    return int(std::clamp<qint64>(std::min(across, down), kMinZoom, kMaxZoom));
}

QString zoomStatus(int percent) { return QStringLiteral("Zoom : %1 %").arg(percent); }

}  // namespace plk
