#include "canvas/core/ExactPlaces.h"

#include "base/core/ValueReader.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/ObjectOrdinals.h"
#include "canvas/core/ObjectRecords.h"

#include <cmath>

namespace plk {

namespace {

double hundredths(double mm) { return std::round(mm * 100) / 100 + 0.0; }

/// Whether a record of whole millimetres gives the object this place.
bool wholeWithin(double mm) { return hundredths(mm) == std::round(mm) && std::round(mm) != 0; }

}  // namespace

QString placeRecord(const QString& keyword, int ordinal, QPointF corner, const RegionalFormat& format)
{
    if (wholeWithin(corner.x()) && wholeWithin(corner.y()))
        return QString();
    return QStringList{kPlaceKeyword, keyword, QString::number(ordinal),
                       format.formatReal(hundredths(boundedLength(corner.x()))),
                       format.formatReal(hundredths(boundedLength(corner.y())))}
        .join(QLatin1Char('|'));
}

QString placeRecords(const Etiquette& tab, const RegionalFormat& format)
{
    QString records;
    for (int k = 0; k < kObjectKinds; ++k) {
        int ordinal = 0;
        for (const TabObject* o : writtenObjects(tab, ObjectKind(k))) {
            ++ordinal;
            if (!o->exactCorner())
                continue;
            if (const QString record = placeRecord(o->keyword(), ordinal, o->corner(), format); !record.isEmpty())
                records += record + QStringLiteral("\r\n");
        }
    }
    return records;
}

void readPlaceRecord(Etiquette& tab, const QStringList& fields, const RegionalFormat& format)
{
    const RecordFields r(fields, format);
    r.integer<int>(2);  // fields are checked in their order: a bad ordinal is named first
    const double left = r.length(3);
    const double top = r.length(4);
    const ObjectSlot o = namedObject(tab, r, "place");
    tab.placeExactly(o.kind, o.slot, top, left);
}

}  // namespace plk
