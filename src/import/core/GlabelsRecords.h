#pragma once
// A GlabelsDocument as the records of one tab of our project file (ONGLET, PROJET,
// the objects' (GlabelsObjects.h), FOND, PRINT, PLANCHE, FUSION), which the project reader then
// reads as it reads any file. What the records cannot carry is listed, one French
// line per kind of loss, so that nothing is dropped without the user knowing.

#include "base/core/Records.h"
#include "base/core/RegionalFormat.h"
#include "import/core/GlabelsDocument.h"
#include "import/core/GlabelsObjects.h"

#include <QStringList>

namespace plk {

struct GlabelsConversion {
    QString text;        // the tab's records up to FUSION, CR LF after each
    /// The paper, the label's outline and the grids, whose records (written by the project file's
    /// side) follow the text.
    std::optional<Paper> paper;
    std::optional<LabelOutline> outline;
    /// Every grid of the sheet, when PRINT and PLANCHE cannot carry them.
    std::vector<LabelGrid> grids;
    /// The records that follow the print set-up's: texts' boxes, shapes, turns, exact places.
    QString extensions;
    QStringList losses;  // "ombre (3)" ...: what was not carried over
};

GlabelsConversion glabelsProjectText(const GlabelsDocument& document, const GlabelsTarget& target,
                                     const RegionalFormat& format);

}  // namespace plk
