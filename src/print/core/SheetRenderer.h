#pragma once
// Drawing a tab's labels on sheets: the loop over sheets and label positions that
// printing and the preview share, and what one label looks like in each.
//
// Which design goes to which position, with which row, and which pages are backs,
// is the job's SheetPlan.

#include "base/core/Surface.h"
#include "merge/core/RowValues.h"
#include "print/core/SheetLayout.h"
#include "print/core/SheetPlan.h"

#include <QImage>
#include <functional>
#include <vector>

namespace plk {

class DataTable;
class Etiquette;

/// Draws one label with its top-left corner at the given point (mm) of a sheet, its
/// texts filled from the row (empty without a data file).
using LabelArt = std::function<void(Surface& sheet, QPointF topLeft, const RowValues& row)>;

/// Where the sheets go: a printer's pages or the preview's page pictures.
class SheetOutput {
public:
    virtual ~SheetOutput() = default;
    /// The sheet being drawn.
    virtual Surface& sheet() = 0;
    /// Starts the next sheet; false when the device refused it.
    virtual bool newSheet() = 0;
    /// The page about to be drawn is a back (or a front) of the paper.
    virtual void turnTo(bool /*back*/) {}
};

/// Draws page `page` (from 1) of the plan on the surface, each label with the art
/// of its design (one art per design of the plan).
void drawPage(Surface& surface, const SheetPlan& plan, int page, const std::vector<LabelArt>& arts);

/// Draws the plan's sheets in the order given (front sheets from 1; every sheet once,
/// in turn, when none is given), each followed by its back in a duplex job, starting a
/// new page between two. False when a page could not be started.
bool renderSheets(SheetOutput& output, const SheetPlan& plan, const std::vector<LabelArt>& arts,
                  const std::vector<int>& sheets = {});
/// Every label of every sheet of the layout, all alike.
bool renderSheets(SheetOutput& output, const SheetLayout& layout, const LabelArt& art);

/// A label as the printer gets it: the tab's background picture, the border, the
/// visible logos, then the visible texts, then the visible codes on top, each object
/// at a whole millimetre.
LabelArt printedLabel(const Etiquette& tab, const QImage& background);

/// A label as the preview shows it: the tab's snapshot at `dotsPerInch` stretched to
/// the label's size; `forRows`, each label painted with its row's values, if any.
LabelArt pastedLabel(const Etiquette& tab, double dotsPerInch, bool forRows);

}  // namespace plk
