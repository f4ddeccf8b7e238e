#pragma once
// Papers by name: the sizes the print set-up offers and the catalogue's products name.

#include <QSizeF>
#include <QString>
#include <vector>

namespace plk {

struct PaperSize {
    QString id;    // as catalogues name it: "A4", "US-Letter"
    QString name;  // as the user reads it: "A4", "US Letter"
    QSizeF size;   // portrait, mm
};

/// A4 (first: the sheets' default), A5, A3, US Letter, US Legal.
const std::vector<PaperSize>& standardPapers();

}  // namespace plk
