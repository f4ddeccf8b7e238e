#pragma once
// Drawing a tab's labels on sheets: the loop over sheets and label positions that
// printing and the preview share, and what one label looks like in each.
//
// A tab with a data file fills one label per row: the labels of a sheet in the
// layout's order, from the chosen first label of the first sheet, as many sheets
// as the rows need; labels without a row stay blank (a sheet already partly used).

#include "base/core/Surface.h"
#include "merge/core/BuiltInMarkers.h"
#include "merge/core/MergedSheets.h"
#include "merge/core/RowValues.h"
#include "print/core/SheetLayout.h"

#include <QImage>
#include <functional>
#include <optional>

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
};

/// The labels of the sheets: every label of the layout's sheets, or one per row of
/// a data file (or the row's copies; the table must outlive them), with the tab's
/// counter and dates of the run when its texts use them.
class SheetLabels {
public:
    explicit SheetLabels(const SheetLayout& layout);
    SheetLabels(const SheetLayout& layout, const Etiquette& tab, const DataTable* table,
                const QDateTime& now = QDateTime::currentDateTime());

    int sheetCount() const;
    /// Whether labels differ from one another (rows, counter or dates).
    bool varies() const { return m_rows || m_builtIns; }
    /// The counter values the run uses (labels, or sheets when it counts sheets).
    qint64 countersUsed() const;
    /// Draws sheet `sheet` (from 1) on the surface.
    void drawSheet(Surface& surface, int sheet, const LabelArt& art) const;

private:
    const SheetLayout& m_layout;
    const DataTable* m_table = nullptr;
    std::optional<MergedSheets> m_rows;
    std::optional<BuiltInValues> m_builtIns;
    bool m_countSheets = false;
};

/// Draws every sheet, starting a new sheet between two. False when a sheet could
/// not be started.
bool renderSheets(SheetOutput& output, const SheetLabels& labels, const LabelArt& art);
/// Every label of every sheet of the layout, all alike.
bool renderSheets(SheetOutput& output, const SheetLayout& layout, const LabelArt& art);

/// A label as the printer gets it: the tab's background picture, the border, the
/// visible logos, then the visible texts, then the visible codes on top, each object
/// at a whole millimetre.
LabelArt printedLabel(const Etiquette& tab, const QImage& background);

/// A label as the preview shows it: the tab's snapshot at `dotsPerInch` stretched to
/// the label's size; `forRows`, each label the snapshot with its row's values.
LabelArt pastedLabel(const Etiquette& tab, double dotsPerInch, bool forRows);

}  // namespace plk
