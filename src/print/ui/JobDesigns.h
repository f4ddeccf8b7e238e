#pragma once
// The other tabs a print job or a preview draws: those the tab gives positions of its
// sheets to, each with the rows of its own data file, and the backs of the labels.

#include "print/core/SheetPlan.h"

#include <memory>
#include <optional>

class QWidget;

namespace plk {

class DataTable;
class Dialogs;
class Etiquette;
class frmProjet;

/// The designs of the window's tabs for a job of `tab`. A tab given positions has its
/// data file read and checked as the tab's own is; nothing when one cannot be read or
/// the user stopped. The lookup keeps the rows it read.
std::optional<DesignLookup> jobDesigns(Dialogs& dialogs, QWidget* parent, const frmProjet& window,
                                       const Etiquette& tab, bool warnUnknown);

/// The rows of the tab's data file read without a word to the user, to count what a
/// job would print: none without one, or when it cannot be read or may not be yet (a
/// file outside the project's folder tree the user has not agreed to).
std::shared_ptr<const DataTable> quietRows(const frmProjet& window, const Etiquette& tab);

/// The designs of the window's tabs as jobDesigns gives them, each tab's rows read by
/// quietRows when the plan first asks for it; `tab` has `rows`.
DesignLookup quietDesigns(const frmProjet& window, const Etiquette& tab, std::shared_ptr<const DataTable> rows);

}  // namespace plk
