#include "canvas/core/CanvasPainter.h"

#include "gradient/core/ColorGradient.h"

namespace plk {

namespace {

const QColor kGuideGrey(0x80, 0x80, 0x80);
constexpr double kCoverGuideInset = 7.0;   // mm from the left and right edges
constexpr double kBorderInset = 0.2;       // mm, so the right and bottom lines show
constexpr double kDiscMargin = 0.3;        // mm inside the canvas's height
constexpr double kHoleRatio = 6.5;         // inner circle: width / 6.5

}  // namespace

void paintGradientBackground(Surface& s, ColorGradient& painter, int direction, OleColor colour1, OleColor colour2,
                             OleColor colour3)
{
    painter.SetColor(0, colour1);
    painter.SetColor(5, colour2);
    painter.SetColor(10, colour3);
    // The tool box's directions, clockwise from the top left, onto the painter's.
    static constexpr int kPainterDirection[8] = {0, 1, 2, 7, 3, 6, 5, 4};
    if (direction < 0 || direction > 7)
        return;
    const Surface::ScaleMode mode = s.scaleMode();
    s.setScaleMode(Surface::ScaleMode::Twips);
    painter.PaintObject(s, kPainterDirection[direction]);
    s.setScaleMode(mode);
}

void drawBorder(Surface& s, const CanvasDecor& d)
{
    if (!d.border)
        return;
    s.box(0, 0, s.scaleWidth() - kBorderInset, s.scaleHeight() - kBorderInset, toQColor(d.borderColor), d.drawStyle);
}

void drawCdGuides(Surface& s, const CanvasDecor& d)
{
    const double w = s.scaleWidth();
    const double h = s.scaleHeight();
    if (d.cdDisc) {
        s.circle(w / 2, h / 2, h / 2 - kDiscMargin, kGuideGrey, false);
        s.circle(w / 2, h / 2, w / kHoleRatio, kGuideGrey, false);
    }
    if (d.cdCover) {
        s.line(kCoverGuideInset, 0, kCoverGuideInset, h, kGuideGrey);
        s.line(w - kCoverGuideInset, 0, w - kCoverGuideInset, h, kGuideGrey);
    }
}

}  // namespace plk
