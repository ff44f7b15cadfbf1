#pragma once
// Conversion of a double to a 32-bit int, rounding toward zero. A value
// outside the 32-bit range, or not a number, gives -2147483648 (as the
// processor's own conversion does), with no undefined behaviour.

#include <cstdint>
#include <limits>

namespace lumora {

inline std::int32_t truncToInt32(double u) {
    if (u > -2147483649.0 && u < 2147483648.0) return static_cast<std::int32_t>(u);
    return std::numeric_limits<std::int32_t>::min();
}

// trunc(u) of the formulas: to a 32-bit int and back to double.
inline double truncD(double u) { return static_cast<double>(truncToInt32(u)); }

}  // namespace lumora
