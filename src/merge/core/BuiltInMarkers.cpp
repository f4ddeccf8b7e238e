#include "merge/core/BuiltInMarkers.h"

#include "merge/core/FieldMarkers.h"

namespace plk {

QStringList builtInMarkers() { return {kCounterMarker, kDateMarker, kTimeMarker}; }

bool usesBuiltInMarkers(const QStringList& texts)
{
    const QStringList builtIn = builtInMarkers();
    for (const QString& text : texts) {
        for (const QString& name : fieldMarkers(text))
            if (builtIn.contains(name))
                return true;
    }
    return false;
}

BuiltInValues::BuiltInValues(const MergeSettings& settings, const QDateTime& now, const QLocale& locale)
    : m_counter(settings.counter),
      m_date(settings.dateFormat.isEmpty() ? locale.toString(now.date(), QLocale::ShortFormat)
                                           : locale.toString(now.date(), settings.dateFormat)),
      m_time(settings.timeFormat.isEmpty() ? locale.toString(now.time(), QLocale::ShortFormat)
                                           : locale.toString(now.time(), settings.timeFormat))
{
}

QString BuiltInValues::counter(qint64 index) const
{
    const qint64 value = m_counter.start + index * m_counter.step;
    return QStringLiteral("%1").arg(value, m_counter.width, 10, QLatin1Char('0'));
}

std::optional<QString> BuiltInValues::value(QStringView name, qint64 counterIndex) const
{
    if (name == kCounterMarker)
        return counter(counterIndex);
    if (name == kDateMarker)
        return m_date;
    if (name == kTimeMarker)
        return m_time;
    return std::nullopt;
}

}  // namespace plk
