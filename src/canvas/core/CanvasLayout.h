#pragma once
// Where the parts of a tab's view go, in twips within the view: the working-area
// frame, the two rulers, the canvas and its shadow, the scroll bars and the
// "Par défaut" button between them; and the graduation of a ruler.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace plk {

inline constexpr int kRulerThickness = 300;
inline constexpr int kScrollBarThickness = 255;
inline constexpr int kShadowOffset = 120;
inline constexpr int kRulerTwipsPerMm = 57;  // the rulers' graduation, 570 twips per cm

struct ScrollRange {
    int minimum = 1;
    int maximum = 1;
    int smallChange = 1;
    int largeChange = 1;
    int value = 1;
    int middle = 1;  // the position that centres the canvas
};

struct CanvasLayout {
    QRect workArea;        // the frame behind the canvas
    QRect horizontalRuler;
    QRect verticalRuler;
    QRect canvas;
    QRect shadow;
    QRect horizontalBar;
    QRect verticalBar;
    QPoint defaultButton;  // top-left of the square between the bars
    ScrollRange horizontal;
    ScrollRange vertical;
};

/// The layout of a view of `control` twips around a canvas of `canvas` twips. While
/// the rulers are movable they keep their place (given) and are only stretched.
CanvasLayout layoutCanvas(QSize control, QSize canvas, bool rulersMovable, QRect horizontalRuler,
                          QRect verticalRuler);

/// The canvas's left (or top) for a scroll bar position: the position is the x (or y)
/// of the canvas's centre, and the middle position centres the canvas in the view.
int canvasOffsetForScroll(int position, const ScrollRange& range, int viewSize, int canvasSize);

/// For a zoomed canvas larger than the view: the range grows on both sides so that
/// the bar brings either edge of the canvas into the view, with a ruler's width to spare.
void extendForCanvas(ScrollRange& range, int viewSize, int canvasSize);

struct RulerMark {
    enum class Kind { Millimetre, HalfCentimetre, Centimetre };
    int position = 0;   // twips from the ruler's origin
    Kind kind = Kind::Millimetre;
    QString number;     // centimetre marks: the whole centimetres and a space
};

/// The marks of a ruler `length` twips long: groups of ten, 57 twips apart, while a
/// group starts inside the ruler (the last group may run past its end). At another
/// zoom (in percent) the marks spread out or close up with the canvas; where they are
/// too close, the millimetres go and only some centimetres carry their numbers.
std::vector<RulerMark> rulerMarks(int length, int zoom = 100);

/// Length of a mark across a ruler `thickness` twips thick.
int markLength(RulerMark::Kind kind, int thickness);

}  // namespace plk
