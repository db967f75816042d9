#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace zek {

// The one rounding rule of the whole calculation: nearest integer, ties to the even
// neighbour (2.5 -> 2, 3.5 -> 4, -129.5 -> -130). std::nearbyint follows the default
// floating-point rounding mode, which is exactly this.
inline double roundHalfEven(double value) {
    return std::nearbyint(value);
}

// Rounds and clamps into the signed 32-bit range, so an extreme input never overflows.
inline std::int32_t roundToInt32(double value) {
    const double r = roundHalfEven(value);
    if (std::isnan(r))
        return 0;
    if (r >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (r <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

} // namespace zek
