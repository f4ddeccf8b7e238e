#include "canvas/core/Rotation.h"

#include "base/core/ValueReader.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/ObjectOrdinals.h"
#include "canvas/core/ObjectRecords.h"

#include <QPainter>
#include <cmath>

namespace plk {

double normalisedAngle(double degrees)
{
    if (!std::isfinite(degrees))
        return 0;
    double tenths = std::fmod(std::round(degrees * 10), 3600.0);
    if (tenths < 0)
        tenths += 3600;
    return tenths / 10 + 0.0;  // never -0
}

QTransform rotationAbout(const QRectF& rect, double degrees)
{
    return turnAbout(rect.center(), degrees);
}

QPolygonF objectOutline(const TabObject& object, const RowValues& shown)
{
    const QRectF r = object.rect(shown);
    return rotationAbout(r, object.rotation()).map(QPolygonF(r));
}

QRectF outlineBounds(const TabObject& object, const RowValues& shown)
{
    if (object.rotation() == 0)
        return object.rect(shown);
    return objectOutline(object, shown).boundingRect();
}

bool outlineContains(const TabObject& object, const RowValues& shown, QPointF mm, double slack)
{
    QRectF r = object.rect(shown);
    const QPointF p = rotationAbout(r, object.rotation()).inverted().map(mm);
    if (r.width() < slack)
        r.adjust(-(slack - r.width()) / 2, 0, (slack - r.width()) / 2, 0);
    if (r.height() < slack)
        r.adjust(0, -(slack - r.height()) / 2, 0, (slack - r.height()) / 2);
    return r.contains(p);
}

TurnedOn::TurnedOn(Surface& surface, const TabObject& object, QPointF at, const RowValues& row)
    : m_surface(surface), m_turned(object.rotation() != 0)
{
    if (m_turned)
        m_surface.setRotation(at + (object.rect(row).center() - object.corner()), object.rotation());
}

TurnedOn::~TurnedOn()
{
    if (m_turned)
        m_surface.setRotation({}, 0);
}

void turnPainter(QPainter& painter, const TabObject& object, const QRectF& target)
{
    if (object.rotation() != 0)
        painter.setTransform(rotationAbout(target, object.rotation()), true);
}

QString rotationRecord(const QString& keyword, int ordinal, double degrees, const RegionalFormat& format)
{
    return QStringList{kRotationKeyword, keyword, QString::number(ordinal), format.formatReal(normalisedAngle(degrees))}
        .join(QLatin1Char('|'));
}

QString rotationRecord(const TabObject& object, int ordinal, const RegionalFormat& format)
{
    return rotationRecord(object.keyword(), ordinal, object.rotation(), format);
}

QString rotationRecords(const Etiquette& tab, const RegionalFormat& format)
{
    QString records;
    for (int k = 0; k < kObjectKinds; ++k) {
        int ordinal = 0;
        for (const TabObject* o : writtenObjects(tab, ObjectKind(k)))
            if (++ordinal && o->rotation() != 0)
                records += rotationRecord(*o, ordinal, format) + QStringLiteral("\r\n");
    }
    return records;
}

void readRotationRecord(Etiquette& tab, const QStringList& fields, const RegionalFormat& format)
{
    const RecordFields r(fields, format);
    r.integer<int>(2);  // fields are checked in their order: a bad ordinal is named first
    const double angle = r.real(3);
    if (!std::isfinite(angle) || std::fabs(angle) > 360)
        throw FormatError("angle hors limites : « " + r.text(3).toStdString() + " »");
    const ObjectSlot o = namedObject(tab, r, "rotation");
    tab.setObjectRotation(o.kind, o.slot, angle);
}

}  // namespace plk
