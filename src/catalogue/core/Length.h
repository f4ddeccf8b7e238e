#pragma once
// Lengths as label catalogues write them: a number followed by a unit (pt, in, mm,
// cm, pc); a bare number is in points.

#include <QStringView>
#include <optional>

namespace plk {

/// The length in millimetres, to the micrometre; nothing when the text is no length or lies outside
/// 0 .. 10 metres.
std::optional<double> parseLength(QStringView text);

/// The longest length read, in millimetres: 10 m, more than any sheet or roll.
inline constexpr double kMostLengthMm = 10000;

}  // namespace plk
