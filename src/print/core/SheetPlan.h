#pragma once
// Which design goes where on a job's sheets, and which sheets are backs.
//
// Positions of the sheet (from 1, across then down) may be given to other tabs of the
// project of the same label size: positions 1 to 5 show one design, 6 to 10 another.
// A tab may name the tab printed on the back of its labels: a duplex job then sends
// every front sheet followed by its back sheet, where each label's back lies behind
// it once the paper is turned about its long edge (columns mirrored) or its short
// edge (rows mirrored). A design filled from a data file takes its own rows, one per
// position it holds, the sheets following from the design that needs the most; the
// back of a label is filled with the same row as its front. A row may fill several
// labels (its copies), and the counter and dates of the run fill the texts that use
// them: the counter goes from label to label of a design (from the first one filled),
// or from sheet to sheet.

#include "merge/core/BuiltInMarkers.h"
#include "merge/core/MergedSheets.h"
#include "merge/core/RowValues.h"
#include "print/core/SheetLayout.h"

#include <QDateTime>
#include <QPointF>
#include <QSizeF>
#include <functional>
#include <optional>
#include <vector>

namespace plk {

class DataTable;
class Etiquette;

/// A design a job may print: a tab, and the rows of its data file (none without one).
struct Design {
    const Etiquette* tab = nullptr;
    const DataTable* rows = nullptr;
};
/// The design of the project's tab `number` (from 1); a null tab when there is none.
using DesignLookup = std::function<Design(int number)>;

/// The paper the layout is made for, in millimetres.
inline constexpr QSizeF kA4PaperMm(210, 297);

class SheetPlan {
public:
    struct Label {
        QPointF at;  // top-left corner, mm of the page's frame
        int design;  // index in designs()
        RowValues row;
        qint64 label;  // among its design's labels of the run, from 0
    };

    /// The plan of the layout's sheets for `tab`, the other tabs found through `lookup`
    /// (none: every position shows the tab). Positions given to a tab that is missing
    /// or of another size keep the tab's own design. `frameMarginMm` is where the
    /// frame of the pages starts on the paper (a printer's unprintable margins; none
    /// for a file or a picture): backs are mirrored about the paper's middle. `now`
    /// is the moment the dates of the run show.
    SheetPlan(const SheetLayout& layout, Design tab, const DesignLookup& lookup = {}, QPointF frameMarginMm = {},
              QSizeF paperMm = kA4PaperMm, const QDateTime& now = QDateTime::currentDateTime());
    SheetPlan(const SheetPlan&) = delete;  // labels point into the plan's values
    SheetPlan& operator=(const SheetPlan&) = delete;

    /// The designs, the tab's own first.
    const std::vector<Design>& designs() const { return m_designs; }
    /// Front sheets.
    int sheetCount() const { return m_sheets; }
    /// Whether the rows of its designs make the sheets; otherwise the layout's count does.
    bool sheetsFollowRows() const { return m_sheetsFollowRows; }
    bool duplex() const;
    /// How the paper turns for the backs (the first design's that has one); nothing
    /// for a one-sided job.
    std::optional<SheetFlip> flip() const;
    /// Pages of the job: each front sheet, followed by its back in a duplex job.
    int pageCount() const { return duplex() ? 2 * m_sheets : m_sheets; }
    bool isBack(int page) const { return duplex() && page % 2 == 0; }
    /// The labels of page `page` (from 1), in the layout's order.
    std::vector<Label> page(int page) const;
    /// Whether the labels of a design differ from one another (rows, counter or
    /// dates, its own or those of the front it is the back of).
    bool varies(int design) const { return m_varies.at(std::size_t(design)); }
    /// The counter values the run of the tab's own design uses (labels, or sheets
    /// when it counts sheets).
    qint64 countersUsed() const;

private:
    int designOf(int tabNumber, const Design& own, const DesignLookup& lookup);
    std::vector<Label> front(int sheet) const;
    QPointF behind(QPointF at, int design) const;
    RowValues values(int design, const DataTable* table, int row, qint64 label, int sheet) const;

    struct Back {
        int design;
        SheetFlip flip;
    };
    const SheetLayout& m_layout;
    QPointF m_margin;
    QSizeF m_paper;
    std::vector<Design> m_designs;
    std::vector<std::optional<Back>> m_backs;  // per design
    std::vector<int> m_designAt;               // per position
    std::vector<int> m_ordinal;                // per position: its place among its design's positions
    std::vector<int> m_held;                   // per design: positions a sheet gives it
    std::vector<int> m_skipped;                // per design: its positions before the first label
    std::vector<std::optional<MergedSheets>> m_rows;       // per design with rows
    std::vector<std::optional<BuiltInValues>> m_builtIns;  // per design using them
    std::vector<bool> m_varies;                            // per design
    int m_sheets = 0;
    bool m_sheetsFollowRows = false;
};

}  // namespace plk
