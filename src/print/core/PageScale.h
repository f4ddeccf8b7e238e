#pragma once
// A page's size in the scales a surface offers, and its points in twips: what every
// surface that draws a page in twips works out the same way.

#include "base/core/Rounding.h"
#include "base/core/Surface.h"

#include <QSizeF>
#include <cmath>

namespace plk {

class PageScale {
public:
    explicit PageScale(QSizeF pageMm) : m_pageMm(pageMm) {}

    Surface::ScaleMode mode = Surface::ScaleMode::Millimetres;

    QSizeF pageMm() const { return m_pageMm; }
    double width() const { return m_pageMm.width() / kMmPerInch * unitsPerInch(); }
    double height() const { return m_pageMm.height() / kMmPerInch * unitsPerInch(); }
    int widthTwips() const { return clampTo<int>(std::round(m_pageMm.width() / kMmPerInch * kTwipsPerInch)); }
    int heightTwips() const { return clampTo<int>(std::round(m_pageMm.height() / kMmPerInch * kTwipsPerInch)); }
    /// A point in the current scale, in twips.
    QPointF toTwips(double x, double y) const
    {
        const double k = kTwipsPerInch / unitsPerInch();
        return {x * k, y * k};
    }

private:
    static constexpr double kMmPerInch = 25.4;
    double unitsPerInch() const { return mode == Surface::ScaleMode::Twips ? kTwipsPerInch : kMmPerInch; }

    QSizeF m_pageMm;
};

}  // namespace plk
