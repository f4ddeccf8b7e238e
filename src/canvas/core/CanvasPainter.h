#pragma once
// What is drawn on a tab's canvas besides its objects: the gradient background, the
// border and the CD guides. The canvas and every fresh rendering of a tab (print,
// export) draw them through these same functions. Coordinates are millimetres.

#include "base/core/Colors.h"
#include "base/core/Surface.h"

namespace plk {

class ColorGradient;

struct CanvasDecor {
    bool border = false;
    OleColor borderColor = kColorWindowFrame;
    int drawStyle = 0;
    bool cdDisc = false;
    bool cdCover = false;
};

/// A three-colour gradient over the whole surface: stops 0, 5 and 10 of the painter
/// take the colours, and the direction (0..7, clockwise from the top left, as the
/// tool box offers them) picks the painter's; other directions paint nothing.
void paintGradientBackground(Surface& surface, ColorGradient& painter, int direction, OleColor colour1,
                             OleColor colour2, OleColor colour3);
/// The border rectangle, 0.2 mm inside the right and bottom edges.
void drawBorder(Surface& surface, const CanvasDecor& decor);
/// The CD outline (outer and inner circle) and the CD cover guides, in grey.
void drawCdGuides(Surface& surface, const CanvasDecor& decor);

}  // namespace plk
