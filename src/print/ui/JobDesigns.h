#pragma once
// The other tabs a print job or a preview draws: those the tab gives positions of its
// sheets to, each with the rows of its own data file, and the backs of the labels.

#include "print/core/SheetPlan.h"

#include <optional>

class QWidget;

namespace plk {

class Dialogs;
class Etiquette;
class frmProjet;

/// The designs of the window's tabs for a job of `tab`. A tab given positions has its
/// data file read and checked as the tab's own is; nothing when one cannot be read or
/// the user stopped. The lookup keeps the rows it read.
std::optional<DesignLookup> jobDesigns(Dialogs& dialogs, QWidget* parent, const frmProjet& window,
                                       const Etiquette& tab, bool warnUnknown);

}  // namespace plk
