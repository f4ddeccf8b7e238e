#include "print/core/SheetLayout.h"

#include "base/core/Rounding.h"

#include <algorithm>

namespace plk {

LayoutValues layoutValues(const PrintSettings& s)
{
    return {s.ImpPosX, s.ImpPosY, s.ImpSepH, s.ImpSepV, s.ImpNbrH, s.ImpNbrV, s.ImpNbrP, s.ImpMargeG, s.ImpMargeH};
}

SheetLayout::SheetLayout(const LayoutValues& v, QSizeF labelSize)
    : m_sheets(std::clamp(int(v.ImpNbrP), 1, kMaxSheets)),
      m_across(std::clamp(int(v.ImpNbrH), 1, kMaxAcross)),
      m_down(std::clamp(int(v.ImpNbrV), 1, kMaxDown)),
      m_size(labelSize)
{
    const double x0 = int(v.ImpPosX) - int(v.ImpMargeG);
    const double y0 = int(v.ImpPosY) - int(v.ImpMargeH);
    m_labels.reserve(std::size_t(m_across) * std::size_t(m_down));
    double y = y0;
    for (int row = 0; row < m_down; ++row) {
        double x = x0;
        for (int column = 0; column < m_across; ++column) {
            m_labels.emplace_back(x, y);
            x = roundHalfEven(x + m_size.width() + v.ImpSepH);
        }
        y = roundHalfEven(y + m_size.height() + v.ImpSepV);
    }
}

}  // namespace plk
