#include "canvas/core/CanvasLayout.h"

#include "base/core/Rounding.h"

#include <cstdint>

namespace plk {

namespace {

ScrollRange scrollRange(int size)
{
    const auto s = std::int16_t(size);  // the bars take 16-bit values
    ScrollRange r;
    r.minimum = 1;
    r.maximum = s;
    r.smallChange = int(roundHalfEven(s / 4.0));
    r.largeChange = r.smallChange;
    r.value = int(roundHalfEven(s / 2.0));
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
    if (position == int(roundHalfEven(range.maximum / 2.0)))
        return viewSize / 2 - canvasSize / 2;
    return position - canvasSize / 2;
}

std::vector<RulerMark> rulerMarks(int length)
{
    constexpr int kCentimetre = 10 * kRulerTwipsPerMm;
    std::vector<RulerMark> marks;
    int p = kRulerTwipsPerMm;
    while (p < length) {
        for (int k = 1; k <= 10; ++k) {
            RulerMark m;
            m.position = p;
            if (k == 10) {
                m.kind = RulerMark::Kind::Centimetre;
                m.number = QString::number(p / kCentimetre) + QLatin1Char(' ');
            } else if (k == 5) {
                m.kind = RulerMark::Kind::HalfCentimetre;
            }
            marks.push_back(m);
            p += kRulerTwipsPerMm;
        }
    }
    return marks;
}

int markLength(RulerMark::Kind kind, int thickness)
{
    switch (kind) {
    case RulerMark::Kind::Centimetre: return thickness;
    case RulerMark::Kind::HalfCentimetre: return int(roundHalfEven(0.5 * thickness));
    case RulerMark::Kind::Millimetre: break;
    }
    return int(roundHalfEven(0.21 * thickness));
}

}  // namespace plk
