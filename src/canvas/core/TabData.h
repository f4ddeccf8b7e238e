#pragma once
// A tab's data file, read when its labels are printed, previewed, exported or shown
// with a row's values, and checked against the markers of the tab's texts.

#include "merge/core/MergeData.h"

#include <QStringList>

namespace plk {

class Etiquette;

/// The texts whose markers a row fills: the captions of the tab's text objects, the
/// data of its codes, and a marker for each picture field of its logos.
QStringList mergedTexts(const Etiquette& tab);

/// The tab's data file, read and checked. A file without a single row is an error
/// too: there would be nothing to print. A file outside the project's folder tree is
/// read only when the user `agreed` to it.
MergeData loadTabData(const Etiquette& tab, bool agreed = false);

}  // namespace plk
