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

/// Rounds and checks the range of a target integer type; a value that does not
/// fit throws std::out_of_range, as a conversion overflow does.
template <typename Int>
Int roundTo(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= double(std::numeric_limits<Int>::min()) && r <= double(std::numeric_limits<Int>::max())))
        throw std::out_of_range("overflow");
    return static_cast<Int>(r);
}

}  // namespace plk
