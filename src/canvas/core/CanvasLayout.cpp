#include "canvas/core/CanvasLayout.h"

#include "base/core/Rounding.h"
#include "base/core/Surface.h"

#include <cstdint>

namespace plk {

namespace {

constexpr int kRulerNumberRoom = 270;  // twips a centimetre's number takes, with a gap

ScrollRange scrollRange(int size)
{
    const auto s = std::int16_t(size);  // the bars take 16-bit values
    ScrollRange r;
    r.minimum = 1;
    r.maximum = s;
    r.smallChange = roundClamped<int>(s / 4.0);
    r.largeChange = r.smallChange;
    r.value = roundClamped<int>(s / 2.0);
    r.middle = r.value;
    return r;
}

}  // namespace

CanvasLayout layoutCanvas(QSize control, QSize canvas, bool rulersMovable, QRect horizontalRuler,
                          QRect verticalRuler)
{
    const int w = control.width(), h = control.height();
    CanvasLayout l;
    l.workArea = QRect(kRulerThickness, kRulerThickness, w - 500, h - 500);
    if (rulersMovable) {
        l.horizontalRuler = QRect(horizontalRuler.topLeft(), QSize(w, horizontalRuler.height()));
        l.verticalRuler = QRect(verticalRuler.topLeft(), QSize(verticalRuler.width(), h));
    } else {
        l.horizontalRuler = QRect(kRulerThickness, 0, w, kRulerThickness);
        l.verticalRuler = QRect(0, kRulerThickness, kRulerThickness, h);
    }
    // Each difference is a whole number first, then halved with the remainder dropped.
    const int left = (w - canvas.width()) / 2;
    const int top = (h - canvas.height()) / 2;
    l.canvas = QRect(QPoint(left, top), canvas);
    l.shadow = l.canvas.translated(kShadowOffset, kShadowOffset);
    l.horizontalBar = QRect(0, h - kScrollBarThickness, w - kScrollBarThickness, kScrollBarThickness);
    l.verticalBar = QRect(w - kScrollBarThickness, 0, kScrollBarThickness, h - kScrollBarThickness);
    l.defaultButton = QPoint(w - kScrollBarThickness, h - kScrollBarThickness);
    l.vertical = scrollRange(h);
    l.horizontal = scrollRange(w);
    return l;
}

int canvasOffsetForScroll(int position, const ScrollRange& range, int viewSize, int canvasSize)
{
    if (position == range.middle)
        return viewSize / 2 - canvasSize / 2;
    return position - canvasSize / 2;
}

std::vector<RulerMark> rulerMarks(int length, int zoom)
{
    const double pitch = kRulerTwipsPerMm * zoom / 100.0;
    // Millimetres closer than two pixels make a grey smear: only the longer marks then.
    const bool millimetres = pitch >= 2 * kTwipsPerPixel;
    // Numbers need some room: every second or fifth centimetre when they are close.
    int numberEvery = 1;
    for (const int every : {1, 2, 5, 10}) {
        numberEvery = every;
        if (every * 10 * pitch >= kRulerNumberRoom)
            break;
    }
    std::vector<RulerMark> marks;
    for (int centimetre = 0; (centimetre * 10 + 1) * pitch < length; ++centimetre) {
        for (int k = 1; k <= 10; ++k) {
            RulerMark m;
            m.position = roundClamped<int>((centimetre * 10 + k) * pitch);
            if (k == 10) {
                m.kind = RulerMark::Kind::Centimetre;
                if ((centimetre + 1) % numberEvery == 0)
                    m.number = QString::number(centimetre + 1) + QLatin1Char(' ');
            } else if (k == 5) {
                m.kind = RulerMark::Kind::HalfCentimetre;
            } else if (!millimetres) {
                continue;
            }
            marks.push_back(m);
        }
    }
    return marks;
}

void extendForCanvas(ScrollRange& range, int viewSize, int canvasSize)
{
    // The bar's ends put the canvas's centre at 1 and at the view's size: a canvas more
    // than twice the view's size needs more room on both sides.
    const int reach = canvasSize / 2 + kRulerThickness - viewSize;
    if (reach <= 0)
        return;
    range.minimum -= reach;
    range.maximum += reach;
}

int markLength(RulerMark::Kind kind, int thickness)
{
    switch (kind) {
    case RulerMark::Kind::Centimetre: return thickness;
    case RulerMark::Kind::HalfCentimetre: return roundClamped<int>(0.5 * thickness);
    case RulerMark::Kind::Millimetre: break;
    }
    return roundClamped<int>(0.21 * thickness);
}

}  // namespace plk
