#pragma once
// Logos whose picture a data file's field names (a photo, a product's picture per
// row) find their files only when a label is drawn; a label whose file is missing
// or holds no picture goes without it. Before anything is printed, every file the
// rows name is looked at once, so the user hears which are missing while there is
// still time to stop.

#include "merge/core/DataTable.h"

#include <QString>
#include <vector>

namespace plk {

class Etiquette;

struct PictureRowProblem {
    int row = -1;   // from 0: the first row naming the file
    QString path;   // the file, as the row's value resolves it
    QString reason; // why no picture comes from it, for the user
};

/// The picture files that the rows name for the tab's visible logos and that hold
/// no readable picture, each once, in order of rows. Only a file's first bytes are
/// read.
std::vector<PictureRowProblem> pictureRowProblems(const Etiquette& tab, const DataTable& table);

/// What the list of problems follows.
inline const QString kMissingPicturesHead =
    QStringLiteral("Ces images sont introuvables ou illisibles ; leurs étiquettes n'auront pas d'image :");

/// The problems for the user, one line each (row, file, reason), the first ten and how
/// many more there are.
QString pictureProblemsText(const std::vector<PictureRowProblem>& problems);

}  // namespace plk
