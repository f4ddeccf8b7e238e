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
// (TabObject::exactCorner) and is not on the whole millimetre has one.

#include "base/core/RegionalFormat.h"

#include <QString>
#include <QStringList>

namespace plk {

class Etiquette;
class TabObject;

inline const QString kPlaceKeyword = QStringLiteral("PLACE");

/// The PLACE records of the tab's objects that keep fractions, each on a line ending CR LF.
QString placeRecords(const Etiquette& tab, const RegionalFormat& format);
/// One such record for the `ordinal`th object of its kind, or empty when its corner is
/// whole or not kept exactly.
QString placeRecord(const TabObject& object, int ordinal, const RegionalFormat& format);
/// Places the object the record names exactly. Throws FormatError on a record that names
/// no object or whose lengths do not convert.
void readPlaceRecord(Etiquette& tab, const QStringList& fields, const RegionalFormat& format);

}  // namespace plk
