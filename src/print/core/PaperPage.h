#pragma once
// The page a tab's sheets are printed on: A4 portrait, or the paper the tab names.

#include "base/core/Records.h"

#include <QPageLayout>
#include <QSizeF>

namespace plk {

/// The tab's paper: A4 portrait when it names none.
Paper paperOf(const PrintSettings& settings);
/// The page as it lies, in millimetres (width and height swapped in landscape).
QSizeF pageSizeMm(const Paper& paper);
/// The page layout of the paper without margins: a standard size when the paper is one
/// (so that a printer picks its tray), otherwise a size of its own (a label printer's).
QPageLayout pageLayoutOf(const Paper& paper);

}  // namespace plk
