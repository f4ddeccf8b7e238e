#pragma once
// A gLabels project names its product ("Avery L7160") besides describing it; a file
// that names it only, or names a paper by its id only, takes the rest from the
// label-product catalogue, which describes the same products.

#include "import/core/GlabelsDocument.h"

namespace plk {

class Catalogue;

/// Completes the template from the catalogue: the label and its layouts when the file
/// does not describe them, the paper's size when the file names a paper only. An
/// empty string when the label is then described, otherwise why not.
QString completeFromCatalogue(GlabelsTemplate& label, const Catalogue* catalogue);

}  // namespace plk
