#pragma once
// What the print options add to the sheets: the labels' outlines and crop marks,
// the order of the sheets when several copies are printed.

#include "base/core/Records.h"
#include "print/core/SheetRenderer.h"

#include <vector>

namespace plk {

/// The label as `art` draws it, then its outline (the maker's shape, or its
/// rectangle) and the crop marks at its corners when the options ask for them.
LabelArt withMarks(LabelArt art, QSizeF labelSize, const std::optional<LabelOutline>& outline,
                   const PrintOptions& options);

/// The sheets (from 1) in the order they are printed: every copy of the job one after
/// the other when collated (1 2 3 1 2 3), each sheet's copies together otherwise
/// (1 1 2 2 3 3).
std::vector<int> sheetOrder(int sheets, const PrintOptions& options);

}  // namespace plk
