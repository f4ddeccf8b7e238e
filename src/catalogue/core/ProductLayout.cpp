#include "catalogue/core/ProductLayout.h"

#include "base/core/Rounding.h"
#include "base/core/ValueReader.h"
#include "canvas/core/Etiquette.h"

#include <QJsonArray>
#include <algorithm>
#include <cmath>

namespace plk {

namespace {

std::int16_t whole(double mm) { return roundClamped<std::int16_t>(mm); }

bool isWhole(double mm) { return std::abs(mm - std::round(mm)) < 1e-9; }

std::optional<LabelOutline> outlineOf(const ProductLabel& l)
{
    // No corner rounder than half the label, no hole wider than the disc (which keeps
    // the radii within what the FORME record holds, as the tab's size is).
    const double shorter = std::min({l.size.width(), l.size.height(), kMaxTabSizeMm}) / 2;
    const double longer = std::min(std::max(l.size.width(), l.size.height()), kMaxTabSizeMm) / 2;
    switch (l.shape) {
    case LabelShape::Rectangle:
        if (l.cornerRadius > 0)
            return LabelOutline{LabelOutline::Shape::Rectangle, std::min(l.cornerRadius, shorter), 0};
        return std::nullopt;
    case LabelShape::Round:
    case LabelShape::Ellipse: return LabelOutline{LabelOutline::Shape::Ellipse, 0, 0};
    case LabelShape::Cd: return LabelOutline{LabelOutline::Shape::Disc, 0, std::min(l.holeRadius, longer)};
    case LabelShape::Continuous: return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Paper> paperOf(const Product& p)
{
    if (p.paper == QLatin1String("A4"))
        return std::nullopt;
    const auto side = [](double mm) { return std::clamp(mm, 1.0, kMaxPaperSide); };
    return Paper{p.paper, side(p.paperSize.width()), side(p.paperSize.height()), false};
}

}  // namespace

PrintSettings productPrintSettings(const Product& product, PrintSettings s)
{
    const ProductGrid& g = product.layouts.front();
    const QSizeF label = product.label.size;
    s.ImpNbrH = whole(std::min(g.across, kMaxAcross));
    s.ImpNbrV = whole(std::min(g.down, kMaxDown));
    s.ImpPosX = whole(g.left);
    s.ImpPosY = whole(g.top);
    s.ImpSepH = whole(std::max(0.0, g.pitchAcross - label.width()));
    s.ImpSepV = whole(std::max(0.0, g.pitchDown - label.height()));
    s.sheetGrid.reset();
    // Whole-millimetre positions follow the sheet only when everything is whole: a
    // label of 148,5 mm would start the second row at 148.
    const bool whole = isWhole(g.left) && isWhole(g.top) && isWhole(g.pitchAcross) && isWhole(g.pitchDown) &&
                       isWhole(label.width()) && isWhole(label.height());
    const bool storable = std::max({g.left, g.top, g.pitchAcross, g.pitchDown}) <= kMaxSheetGrid;
    if (!whole && storable)
        s.sheetGrid = SheetGrid{g.left, g.top, g.pitchAcross, g.pitchDown};
    s.grids = makerGrids(product.layouts);
    s.paper = paperOf(product);
    s.outline = outlineOf(product.label);
    return s;
}

std::vector<LabelGrid> makerGrids(const std::vector<ProductGrid>& layouts)
{
    const bool beyondFields = std::any_of(layouts.begin(), layouts.end(), [](const ProductGrid& g) {
        return g.across > kMaxAcross || g.down > kMaxDown;
    });
    std::vector<LabelGrid> grids;
    if (layouts.size() < 2 && !beyondFields)
        return grids;
    int labels = 0;
    for (const ProductGrid& g : layouts) {
        const LabelGrid grid{std::min(g.across, kMaxGridCount), std::min(g.down, kMaxGridCount),
                             SheetGrid{g.left, g.top, g.pitchAcross, g.pitchDown}};
        const bool fits = std::min({g.left, g.top, g.pitchAcross, g.pitchDown}) >= 0 &&
                          std::max({g.left, g.top, g.pitchAcross, g.pitchDown}) <= kMaxSheetGrid &&
                          grids.size() < std::size_t(kMaxGrids) && labels + grid.across * grid.down <= kMaxSheetLabels;
        if (!fits)
            break;
        labels += grid.across * grid.down;
        grids.push_back(grid);
    }
    return grids;
}

void useProduct(Etiquette& tab, const Product& product)
{
    const Etiquette::Batch batch(tab);
    tab.setPrjWidth(product.label.size.width());
    tab.setPrjHeight(product.label.size.height());
    tab.setPrint(productPrintSettings(product, tab.print()));
}

QJsonObject productJson(const Product& p)
{
    QJsonArray layouts;
    for (const ProductGrid& g : p.layouts)
        layouts.append(QJsonObject{{"across", g.across},
                                   {"down", g.down},
                                   {"left", g.left},
                                   {"top", g.top},
                                   {"pitchAcross", g.pitchAcross},
                                   {"pitchDown", g.pitchDown}});
    QJsonObject json{{"brand", p.brand},
                     {"part", p.part},
                     {"description", p.description},
                     {"paper", p.roll() ? QStringLiteral("Autre") : p.paper},
                     {"paperWidth", p.paperSize.width()},
                     {"paperHeight", p.paperSize.height()},
                     {"shape", shapeName(p.label.shape)},
                     {"width", p.label.size.width()},
                     {"height", p.label.size.height()},
                     {"layouts", layouts}};
    if (p.label.cornerRadius > 0)
        json.insert("cornerRadius", p.label.cornerRadius);
    if (p.label.holeRadius > 0)
        json.insert("holeRadius", p.label.holeRadius);
    return json;
}

}  // namespace plk
