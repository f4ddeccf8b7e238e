#pragma once
// Drawing a tab's labels on sheets: the loop over sheets and label positions that
// printing and the preview share, and what one label looks like in each.

#include "base/core/Surface.h"
#include "print/core/SheetLayout.h"

#include <QImage>
#include <functional>

namespace plk {

class Etiquette;

/// Draws one label with its top-left corner at the given point (mm) of a sheet.
using LabelArt = std::function<void(Surface& sheet, QPointF topLeft)>;

/// Where the sheets go: a printer's pages or the preview's page pictures.
class SheetOutput {
public:
    virtual ~SheetOutput() = default;
    /// The sheet being drawn.
    virtual Surface& sheet() = 0;
    /// Starts the next sheet; false when the device refused it.
    virtual bool newSheet() = 0;
};

/// Draws the label at every position of every sheet of the layout, starting a new
/// sheet between two. False when a sheet could not be started.
bool renderSheets(SheetOutput& output, const SheetLayout& layout, const LabelArt& art);

/// A label as the printer gets it: the tab's background picture, the border, the
/// visible logos, then the visible texts on top, each object at a whole millimetre.
LabelArt printedLabel(const Etiquette& tab, const QImage& background);

/// A label as the preview shows it: the tab's snapshot stretched to the label's size.
LabelArt pastedLabel(const QImage& snapshot, QSizeF size);

}  // namespace plk
