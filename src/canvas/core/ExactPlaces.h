#pragma once
// Objects placed to the hundredth of a millimetre. The LABEL and LOGO records hold
// whole millimetres, and the sheets put every object on the whole millimetre; a drawing
// brought from another program places its objects more finely than that. Such an
// object keeps its corner in a PLACE record, after the tab's other records:
//
//     PLACE|keyword|ordinal|left|top
//
// naming the object by its record's keyword and its rank among them (ObjectOrdinals.h),
// its corner in mm to the hundredth. Only an object that keeps its exact corner
// (TabObject::exactCorner) off the whole millimetre, or at 0, has one.

#include "base/core/RegionalFormat.h"

#include <QPointF>
#include <QString>
#include <QStringList>

namespace plk {

class Etiquette;

inline const QString kPlaceKeyword = QStringLiteral("PLACE");

/// The PLACE records of the tab's objects that keep fractions, each on a line ending CR LF.
QString placeRecords(const Etiquette& tab, const RegionalFormat& format);
/// The record placing the `ordinal`th object of the records `keyword` at `corner`
/// (left, top), or empty when its own record gives that place: whole millimetres but
/// 0, which a LABEL or LOGO record reads as "no place".
QString placeRecord(const QString& keyword, int ordinal, QPointF corner, const RegionalFormat& format);
/// Places the object the record names exactly. Throws FormatError on a record that names
/// no object or whose lengths do not convert.
void readPlaceRecord(Etiquette& tab, const QStringList& fields, const RegionalFormat& format);

}  // namespace plk
