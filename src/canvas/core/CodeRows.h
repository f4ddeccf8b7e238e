#pragma once
// Codes whose data holds field markers («Ref») take each row's values when a label is
// drawn; whether a kind can carry those values is known only then. Before anything is
// printed or exported, every row is checked, so the user hears which labels would
// lack their code, and why, while there is still time to stop or to leave them out.

#include "merge/core/DataTable.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace plk {

class Etiquette;

struct CodeRowProblem {
    int row = -1;        // from 0; -1 when the data is drawn as typed (no data file)
    int code = 0;        // the code's slot on the tab
    QStringList fields;  // the markers of its data
    QString reason;      // why the kind cannot carry the data, for the user
};

/// The visible codes with markers that cannot be drawn for rows `first`..`last` of
/// the table (all rows when `last` is negative), or with their data as typed when
/// there is no table; in order of rows, then of codes.
std::vector<CodeRowProblem> codeRowProblems(const Etiquette& tab, const DataTable* table, int first = 0,
                                            int last = -1);

/// The problems for the user, one line each (row, fields, reason), the first ten and
/// how many more there are.
QString codeProblemsText(const std::vector<CodeRowProblem>& problems);

/// The table without the rows of the problems, for an output that leaves those labels out.
DataTable withoutProblemRows(const DataTable& table, const std::vector<CodeRowProblem>& problems);

}  // namespace plk
