#pragma once
// Objects turned about the middle of their rectangle: where their outline lies on the
// tab, whether a point falls on them, and drawing them turned on any surface or
// painter. Every output, the canvas and its hit-test go through here, so that an
// object's own painting never knows it is turned.

#include "base/core/RegionalFormat.h"
#include "base/core/Surface.h"
#include "canvas/core/TabObject.h"

#include <QPolygonF>
#include <QStringList>
#include <QTransform>

class QPainter;

namespace plk {

class Etiquette;

inline const QString kRotationKeyword = QStringLiteral("ROTATION");

/// `degrees` brought to 0 .. 359.9 in tenths of a degree (NaN gives 0).
double normalisedAngle(double degrees);

/// The turn of `degrees` anticlockwise about the middle of `rect`, in `rect`'s units
/// (y going down).
QTransform rotationAbout(const QRectF& rect, double degrees);

/// The object's outline on the tab, in mm: its rectangle, turned.
QPolygonF objectOutline(const TabObject& object, const RowValues& shown);
/// The upright rectangle around the outline.
QRectF outlineBounds(const TabObject& object, const RowValues& shown);
/// Whether the point (mm) falls on the object: inside its turned rectangle, a line
/// thinner than `slack` mm being taken `slack` mm thick.
bool outlineContains(const TabObject& object, const RowValues& shown, QPointF mm, double slack);

/// Turns what is drawn on the surface while it lives, for an object drawn with its
/// corner at `at`.
class TurnedOn {
public:
    TurnedOn(Surface& surface, const TabObject& object, QPointF at, const RowValues& row);
    ~TurnedOn();
    TurnedOn(const TurnedOn&) = delete;
    TurnedOn& operator=(const TurnedOn&) = delete;

private:
    Surface& m_surface;
    bool m_turned;
};

/// The painter turned for an object whose rectangle is `target` in its units.
void turnPainter(QPainter& painter, const TabObject& object, const QRectF& target);

/// The ROTATION records of the tab's turned objects, each naming its object by kind and
/// ordinal among the records of its kind, each on a line ending CR LF.
QString rotationRecords(const Etiquette& tab, const RegionalFormat& format);
/// One such record for the `ordinal`th object of its kind.
QString rotationRecord(const TabObject& object, int ordinal, const RegionalFormat& format);
/// The record turning the `ordinal`th object of the records `keyword` by `degrees`.
QString rotationRecord(const QString& keyword, int ordinal, double degrees, const RegionalFormat& format);
/// Turns the object the record names. Throws FormatError on a record that names no
/// object or whose angle does not convert.
void readRotationRecord(Etiquette& tab, const QStringList& fields, const RegionalFormat& format);

}  // namespace plk
