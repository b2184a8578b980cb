#pragma once
// Float-to-integer conversion that is defined for every input.
#include <cmath>
#include <cstdint>

// Truncates toward zero and saturates at the ends of the 32-bit range; NaN gives 0.
inline int32_t TruncToInt32(float v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483648.0f) return INT32_MAX;
    if (v <= -2147483648.0f) return INT32_MIN;
    return static_cast<int32_t>(v);
}
