#pragma once
// A GlabelsDocument as the records of one tab of our project file (ONGLET, PROJET,
// LABEL, LOGO, CODE, FOND, PRINT, PLANCHE, FUSION), which the project reader then
// reads as it reads any file. What the records cannot carry is listed, one French
// line per kind of loss, so that nothing is dropped without the user knowing.

#include "base/core/Records.h"
#include "base/core/RegionalFormat.h"
#include "import/core/GlabelsDocument.h"

#include <QStringList>
#include <functional>

namespace plk {

struct GlabelsTarget {
    QString name;            // of the tab and its design
    QString documentFolder;  // against which the project's relative paths are read
    /// Where an embedded picture is written: the file's path, or empty with the reason.
    std::function<QString(const GlabelsPicture&, QString* reason)> placePicture;
    /// The width in mm of a line of text in the style; unset when no fonts can be
    /// measured, and centred or right-aligned texts are then listed as losses.
    std::function<double(const GlabelsTextStyle&, const QString&)> textWidth;
    /// The most labels across and down, and the farthest first label (mm), that the
    /// print set-up takes: a sheet beyond them is cut and the cut is listed.
    int maxAcross = 20;
    int maxDown = 20;
    int maxPosition = 200;
};

struct GlabelsConversion {
    QString text;        // the tab's records up to FUSION, CR LF after each
    /// The paper, the label's outline and the grids, whose records (written by the project file's
    /// side) follow the text.
    std::optional<Paper> paper;
    std::optional<LabelOutline> outline;
    /// Every grid of the sheet, when PRINT and PLANCHE cannot carry them.
    std::vector<LabelGrid> grids;
    QStringList losses;  // "rectangle (3)", "rotation" ...: what was not carried over
};

GlabelsConversion glabelsProjectText(const GlabelsDocument& document, const GlabelsTarget& target,
                                     const RegionalFormat& format);

}  // namespace plk
