#pragma once
// What is drawn on a tab's canvas besides its objects: the border and the CD guides.
// All coordinates are millimetres.

#include "base/core/Colors.h"
#include "base/core/Surface.h"

namespace plk {

struct CanvasDecor {
    bool border = false;
    OleColor borderColor = kColorWindowFrame;
    int drawStyle = 0;
    bool cdDisc = false;
    bool cdCover = false;
};

/// The border rectangle, 0.2 mm inside the right and bottom edges.
void drawBorder(Surface& surface, const CanvasDecor& decor);
/// The CD outline (outer and inner circle) and the CD cover guides, in grey.
void drawCdGuides(Surface& surface, const CanvasDecor& decor);

}  // namespace plk
