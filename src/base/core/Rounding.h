#pragma once
// Every real that becomes a whole number in this program goes to the nearest
// integer, halves to the even neighbour (12.5 -> 12, 13.5 -> 14).

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace plk {

inline double roundHalfEven(double value)
{
    // The default floating-point rounding mode is round-to-nearest-even.
    return std::nearbyint(value);
}

/// Whether a whole number (or NaN, never) fits the integer type. The upper end is
/// exclusive as max + 1, which a double holds exactly even for 64-bit types.
template <typename Int>
bool fitsIn(double whole)
{
    return whole >= double(std::numeric_limits<Int>::min()) && whole < double(std::numeric_limits<Int>::max()) + 1.0;
}

/// Rounds and checks the range of a target integer type; a value that does not
/// fit throws std::out_of_range, as a conversion overflow does.
template <typename Int>
Int roundTo(double value)
{
    const double r = roundHalfEven(value);
    if (!fitsIn<Int>(r))
        throw std::out_of_range("overflow");
    return static_cast<Int>(r);
}

/// A whole number (already rounded or truncated as the caller needs) brought within the
/// target type: for values that should always fit, where the nearest end is better
/// than an error. NaN gives 0.
template <typename Int>
Int clampTo(double whole)
{
    if (fitsIn<Int>(whole))
        return static_cast<Int>(whole);
    if (std::isnan(whole))
        return 0;
    return whole < 0 ? std::numeric_limits<Int>::min() : std::numeric_limits<Int>::max();
}

/// Rounded halves to even, then clamped.
template <typename Int>
Int roundClamped(double value)
{
    return clampTo<Int>(roundHalfEven(value));
}

}  // namespace plk
