#pragma once
// A tab laid out for a catalogue product: the label's size, the sheet's exact grid and
// the paper, as the templates of known sheets do.

#include "base/core/Records.h"
#include "catalogue/core/Product.h"

#include <QJsonObject>

namespace plk {

class Etiquette;

/// `settings` with the product's first grid: whole millimetres in the print set-up's
/// fields, the exact grid beside them when the sheet needs fractions, the paper
/// (none for A4 portrait, the default) and the label's outline when it is no plain
/// rectangle. A roll prints one label per page of the
/// label's size.
PrintSettings productPrintSettings(const Product& product, PrintSettings settings);

/// Every grid of a sheet, when the print set-up's fields and the exact grid cannot
/// carry them (several grids, more labels across or down than the fields count);
/// empty otherwise. Grids beyond the bounds a tab keeps are left out.
std::vector<LabelGrid> makerGrids(const std::vector<ProductGrid>& layouts);

/// Gives the tab the product's label size and layout, as one change.
void useProduct(Etiquette& tab, const Product& product);

/// The product as the batch tool lists it.
QJsonObject productJson(const Product& product);

}  // namespace plk
