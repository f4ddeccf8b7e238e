#pragma once
// The objects of a gLabels project as the records of our tab: texts (LABEL, and ZONE
// for a text in a box), pictures (LOGO), codes (CODE), boxes, ellipses and lines
// (FIGURE), each turned as its matrix turns it (ROTATION) and placed to the hundredth
// of a millimetre (PLACE). What the records cannot carry is counted in the losses.

#include "base/core/RegionalFormat.h"
#include "import/core/GlabelsDocument.h"

#include <QHash>
#include <QStringList>
#include <functional>

namespace plk {

struct GlabelsTarget {
    QString name;            // of the tab and its design
    QString documentFolder;  // against which the project's relative paths are read
    /// Where an embedded picture is written: the file's path, or empty with the reason.
    std::function<QString(const GlabelsPicture&, QString* reason)> placePicture;
    /// The width in mm of a line of text in the style; unset when no fonts can be
    /// measured, and a text is then put in a box only for what the file says of it.
    std::function<double(const GlabelsTextStyle&, const QString&)> textWidth;
    /// The most labels across and down, and the farthest first label (mm), that the
    /// print set-up takes: a sheet beyond them is cut and the cut is listed.
    int maxAcross = 20;
    int maxDown = 20;
    int maxPosition = 200;
};

/// What was not carried over, counted by kind, in the order first met.
class GlabelsLosses {
public:
    void add(const QString& what);
    /// One line a kind: "rectangle (3)".
    QStringList lines() const;

private:
    QStringList m_order;
    QHash<QString, int> m_counts;
};

struct GlabelsObjectRecords {
    QString objects;     // LABEL, LOGO and CODE records, each ending CR LF
    QString extensions;  // ZONE, FIGURE, ROTATION and PLACE records, each ending CR LF
};

GlabelsObjectRecords glabelsObjectRecords(const GlabelsDocument& document, const GlabelsTarget& target,
                                          const RegionalFormat& format, GlabelsLosses& losses);

}  // namespace plk
