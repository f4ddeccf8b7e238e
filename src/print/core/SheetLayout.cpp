#include "print/core/SheetLayout.h"

#include "base/core/Rounding.h"

#include <algorithm>

namespace plk {

LayoutValues layoutValues(const PrintSettings& s)
{
    return {s.ImpPosX, s.ImpPosY, s.ImpSepH, s.ImpSepV, s.ImpNbrH, s.ImpNbrV, s.ImpNbrP, s.ImpMargeG, s.ImpMargeH};
}

bool SheetLayout::followsGrid(const LayoutValues& v, QSizeF labelSize, const SheetGrid& g)
{
    return roundHalfEven(g.left) == v.ImpPosX && roundHalfEven(g.top) == v.ImpPosY &&
           roundHalfEven(g.pitchAcross - labelSize.width()) == v.ImpSepH &&
           roundHalfEven(g.pitchDown - labelSize.height()) == v.ImpSepV;
}

bool SheetLayout::followsGrids(const LayoutValues& v, QSizeF labelSize, const std::vector<LabelGrid>& grids)
{
    if (grids.empty())
        return false;
    const LabelGrid& first = grids.front();
    return followsGrid(v, labelSize, first.place) && v.ImpNbrH == std::clamp(first.across, 1, kMaxAcross) &&
           v.ImpNbrV == std::clamp(first.down, 1, kMaxDown);
}

SheetLayout::SheetLayout(const LayoutValues& v, QSizeF labelSize, const std::optional<SheetGrid>& grid,
                         const std::vector<LabelGrid>& grids)
    : m_sheets(std::clamp(int(v.ImpNbrP), 1, kMaxSheets)),
      m_across(std::clamp(int(v.ImpNbrH), 1, kMaxAcross)),
      m_down(std::clamp(int(v.ImpNbrV), 1, kMaxDown)),
      m_size(labelSize)
{
    if (followsGrids(v, labelSize, grids)) {
        m_grids = int(std::min(grids.size(), std::size_t(kMaxGrids)));
        for (std::size_t n = 0; n < grids.size() && n < std::size_t(kMaxGrids); ++n) {
            const LabelGrid& g = grids[n];
            const int across = std::clamp(g.across, 1, kMaxGridCount), down = std::clamp(g.down, 1, kMaxGridCount);
            for (int row = 0; row < down; ++row)
                for (int column = 0; column < across && m_labels.size() < std::size_t(kMaxSheetLabels); ++column)
                    m_labels.emplace_back(g.place.left - v.ImpMargeG + column * g.place.pitchAcross,
                                          g.place.top - v.ImpMargeH + row * g.place.pitchDown);
        }
        return;
    }
    m_labels.reserve(std::size_t(m_across) * std::size_t(m_down));
    if (grid && followsGrid(v, labelSize, *grid)) {
        for (int row = 0; row < m_down; ++row)
            for (int column = 0; column < m_across; ++column)
                m_labels.emplace_back(grid->left - v.ImpMargeG + column * grid->pitchAcross,
                                      grid->top - v.ImpMargeH + row * grid->pitchDown);
        return;
    }
    double y = int(v.ImpPosY) - int(v.ImpMargeH);
    for (int row = 0; row < m_down; ++row) {
        double x = int(v.ImpPosX) - int(v.ImpMargeG);
        for (int column = 0; column < m_across; ++column) {
            m_labels.emplace_back(x, y);
            x = roundHalfEven(x + m_size.width() + v.ImpSepH);
        }
        y = roundHalfEven(y + m_size.height() + v.ImpSepV);
    }
}

}  // namespace plk
