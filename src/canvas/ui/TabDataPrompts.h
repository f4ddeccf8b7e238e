#pragma once
// Reading a tab's data file before an output (printing, the preview, an export, the
// canvas showing a row), with what the user must be told: a file that cannot be
// read stops the output, markers that name no field are printed as typed after a
// warning.

#include <QString>
#include <memory>
#include <optional>

class QWidget;

namespace plk {

class DataTable;
class Dialogs;
class Etiquette;
class LinkedFileAnswers;

/// The tab's data rows: a null table when the tab names no data file; nothing when
/// the output must stop, because the file cannot be read (a message names it) or,
/// with `warnUnknown`, because the user turned down the warning about bytes read as
/// Windows-1252 in a UTF-8 file or about markers that
/// name no field. A file outside the project's folder tree is read once the user
/// agreed: asked once per project file and data file, the answer kept in `answers`.
std::optional<std::shared_ptr<const DataTable>> dataForOutput(Dialogs& dialogs, QWidget* parent, const Etiquette& tab,
                                                              const LinkedFileAnswers& answers, bool warnUnknown);

/// The rows of the labels to print or preview: those of dataForOutput, checked for
/// codes that their values cannot make. When some cannot, the user reads which (row,
/// field, reason) and chooses to stop, the default, or to leave those labels out.
/// Nothing when the output must stop.
std::optional<std::shared_ptr<const DataTable>> rowsForLabels(Dialogs& dialogs, QWidget* parent, const Etiquette& tab,
                                                              const LinkedFileAnswers& answers, bool warnUnknown);

/// Whether every code of the tab can be drawn for row `row` of the table (or as typed
/// without one); if not, the user is told which and why.
bool codesDrawable(Dialogs& dialogs, QWidget* parent, const Etiquette& tab, const DataTable* table, int row);

/// Shows the values of the tab's chosen row on its canvas in place of the markers.
/// False when the tab names no data file (said unless `quietly`) or the file cannot
/// be read (said always).
bool showRowValues(Dialogs& dialogs, QWidget* parent, Etiquette& tab, const LinkedFileAnswers& answers, bool quietly);

}  // namespace plk
