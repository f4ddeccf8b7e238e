#pragma once
// Where the labels of a tab fall on a sheet. Printing and the preview both place
// labels through this one layout, so what the preview shows is what the printer gets.
//
// Coordinates are millimetres from the origin of the printer's printable area, that
// is the paper's corner shifted by the printer's unprintable margins: a label asked
// for at ImpPosX from the paper's edge is drawn at ImpPosX - ImpMargeG.
//
// A tab made for a known sheet carries the sheet's exact grid. The grid refines the
// whole-millimetre values for as long as they are the grid's own, rounded (position of
// the first label, and gaps of pitch less label size); once the user sets other values
// in the print set-up, those values rule. A maker's sheet of several grids, or of more
// labels across or down than the fields count, carries every grid: all of them are
// placed for as long as the fields are the first grid's own.

#include "base/core/Records.h"

#include <QPointF>
#include <QSizeF>
#include <cstdint>
#include <optional>
#include <vector>

namespace plk {

/// The nine layout values, in the order every print routine takes them.
struct LayoutValues {
    std::int16_t ImpPosX = 0;
    std::int16_t ImpPosY = 0;
    std::int16_t ImpSepH = 0;
    std::int16_t ImpSepV = 0;
    std::int16_t ImpNbrH = 1;
    std::int16_t ImpNbrV = 1;
    std::int16_t ImpNbrP = 1;
    std::int16_t ImpMargeG = 0;
    std::int16_t ImpMargeH = 0;
};

/// The layout values a tab's stored print settings give.
LayoutValues layoutValues(const PrintSettings& settings);

class SheetLayout {
public:
    /// The layout of labels of `labelSize` millimetres with the given values, on the
    /// sheet's exact grid when the values are that grid's, on every grid of the
    /// maker's sheet when they are the first one's.
    SheetLayout(const LayoutValues& values, QSizeF labelSize, const std::optional<SheetGrid>& grid = std::nullopt,
                const std::vector<LabelGrid>& grids = {});

    /// Whether the whole-millimetre values are the grid's own, rounded.
    static bool followsGrid(const LayoutValues& values, QSizeF labelSize, const SheetGrid& grid);
    /// Whether they are the first grid's own, its counts held to the fields' ranges.
    static bool followsGrids(const LayoutValues& values, QSizeF labelSize, const std::vector<LabelGrid>& grids);

    int sheetCount() const { return m_sheets; }
    /// The grids its labels lie on: several on a maker's sheet of several grids.
    int gridCount() const { return m_grids; }
    int across() const { return m_across; }
    int down() const { return m_down; }
    QSizeF labelSize() const { return m_size; }
    /// The top-left corners of the labels of one sheet, row by row, left to right;
    /// every sheet repeats them. Whole millimetres: the running position is rounded
    /// after every label, so a fractional label size does not build up. On a sheet's
    /// grid, the grid's exact positions; on a maker's grids, theirs, grid after grid
    /// (at most kMaxSheetLabels).
    const std::vector<QPointF>& labels() const { return m_labels; }

private:
    int m_sheets;
    int m_grids = 1;
    int m_across;
    int m_down;
    QSizeF m_size;
    std::vector<QPointF> m_labels;
};

}  // namespace plk
