#pragma once
// Reading the values of a record or a settings key: reals, integers, colours and
// booleans in the user's regional form. A value that does not convert or does not
// fit its type throws FormatError, which ends the reading of that record.

#include "base/core/Colors.h"
#include "base/core/RegionalFormat.h"
#include "base/core/Rounding.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace plk {

/// Files are read only within these bounds, and nothing outside them is ever written:
/// a tab's width and height are above 0 and at most 1000 mm; an object's position and
/// size are at most 32767 mm either way.
inline constexpr double kMaxTabSizeMm = 1000.0;
inline constexpr double kMaxLengthMm = 32767.0;
/// A text object's caption, a value of a data file and a text filled from a row hold
/// at most this many characters: laying a text out costs some 35 bytes a character,
/// so that a text stays under half a megabyte however it is drawn.
inline constexpr qsizetype kMaxTextLength = 10000;

/// A position or size brought within the bounds (a NaN gives 0).
inline double boundedLength(double mm) { return std::isnan(mm) ? 0.0 : std::clamp(mm, -kMaxLengthMm, kMaxLengthMm); }
/// A tab's size brought within the bounds; what is no size at all (0, less, NaN) gives
/// `otherwise`.
inline double boundedTabSize(double mm, double otherwise) { return mm > 0 ? std::min(mm, kMaxTabSizeMm) : otherwise; }

class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ValueReader {
public:
    explicit ValueReader(const RegionalFormat& format) : m_format(format) {}

    double real(const QString& text) const;
    /// An object's position or size in mm (at most 32767 either way).
    double length(const QString& text) const { return checkedLength(real(text)); }
    /// A tab's width or height in mm (above 0, at most 1000).
    double tabSize(const QString& text) const { return checkedTabSize(real(text)); }
    static double checkedLength(double mm);
    static double checkedTabSize(double mm);
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
    double length(int i) const { return m_values.length(text(i)); }
    double tabSize(int i) const { return m_values.tabSize(text(i)); }
    template <typename Int>
    Int integer(int i) const { return m_values.integer<Int>(text(i)); }
    OleColor colour(int i) const { return m_values.colour(text(i)); }
    bool boolean(int i) const { return m_values.boolean(text(i)); }

private:
    const QStringList& m_fields;
    ValueReader m_values;
};

}  // namespace plk
