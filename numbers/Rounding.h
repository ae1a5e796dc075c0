#pragma once

#include <cmath>

namespace volvenza {

// Rounds to the given number of decimals, halves to even: the value is scaled
// by the power of ten, rounded to the nearest whole number (ties to even, the
// default floating-point mode) and scaled back. Negative zero comes back as 0.
inline double RoundHalfEven(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    // From 2^52 on every double is already a whole number of units.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 4503599627370496.0) return value;
    const double rounded = std::nearbyint(scaled) / scale;
    return rounded == 0 ? 0.0 : rounded;
}

}  // namespace volvenza
