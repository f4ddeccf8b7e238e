#pragma once
// The markers every tab knows without a data file: «N°», the counter of the labels
// (or sheets) of a print run, and «Date» and «Heure», the moment of the run. A data
// file's own field of the same name wins over them (RowValues asks the row first).

#include "merge/core/MergeSettings.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

namespace plk {

inline const QString kCounterMarker = QStringLiteral("N°");
inline const QString kDateMarker = QStringLiteral("Date");
inline const QString kTimeMarker = QStringLiteral("Heure");

/// The names of the built-in markers.
QStringList builtInMarkers();

/// Whether one of the texts holds a built-in marker.
bool usesBuiltInMarkers(const QStringList& texts);

/// The values of the built-in markers for one print run.
class BuiltInValues {
public:
    /// `now` is the run's moment, written in `locale`'s short forms unless the
    /// settings give formats.
    BuiltInValues(const MergeSettings& settings, const QDateTime& now, const QLocale& locale);

    /// The counter for the `index`-th label (or sheet) of the run, from 0.
    QString counter(qint64 index) const;
    /// The value of a built-in marker; nothing for another name.
    std::optional<QString> value(QStringView name, qint64 counterIndex) const;

    bool operator==(const BuiltInValues&) const = default;

private:
    CounterSettings m_counter;
    QString m_date;
    QString m_time;
};

}  // namespace plk
