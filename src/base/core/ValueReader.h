#pragma once
// Reading the values of a record or a settings key: reals, integers, colours and
// booleans in the user's regional form. A value that does not convert or does not
// fit its type throws FormatError, which ends the reading of that record.

#include "base/core/Colors.h"
#include "base/core/RegionalFormat.h"
#include "base/core/Rounding.h"

#include <QStringList>
#include <stdexcept>

namespace plk {

class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ValueReader {
public:
    explicit ValueReader(const RegionalFormat& format) : m_format(format) {}

    double real(const QString& text) const;
    /// A decimal number rounded to the nearest integer, halves to even; range-checked.
    template <typename Int>
    Int integer(const QString& text) const
    {
        try {
            return roundTo<Int>(real(text));
        } catch (const std::out_of_range&) {
            throw FormatError("nombre hors limites : « " + text.toStdString() + " »");
        }
    }
    OleColor colour(const QString& text) const { return integer<OleColor>(text); }
    bool boolean(const QString& text) const;

private:
    const RegionalFormat& m_format;
};

/// The fields of one record, checked for presence before they are read.
class RecordFields {
public:
    RecordFields(const QStringList& fields, const RegionalFormat& format) : m_fields(fields), m_values(format) {}

    qsizetype count() const { return m_fields.size(); }
    const QString& text(int i) const;
    double real(int i) const { return m_values.real(text(i)); }
    template <typename Int>
    Int integer(int i) const { return m_values.integer<Int>(text(i)); }
    OleColor colour(int i) const { return m_values.colour(text(i)); }
    bool boolean(int i) const { return m_values.boolean(text(i)); }

private:
    const QStringList& m_fields;
    ValueReader m_values;
};

}  // namespace plk
