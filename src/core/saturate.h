#pragma once
// Conversions between the game's counters and its reals; those to 32-bit
// integers are defined for every input.
#include <cmath>
#include <cstdint>

// Truncates toward zero and saturates at the ends of the 32-bit range; NaN gives 0.
inline int32_t TruncToInt32(float v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483648.0f) return INT32_MAX;
    if (v <= -2147483648.0f) return INT32_MIN;
    return static_cast<int32_t>(v);
}

// A 64-bit sum held within 32 bits.
inline int32_t SaturateToInt32(int64_t v) {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(v);
}

// A counter as a real, for the arithmetic of angles, speeds and distances.
constexpr float Real(int32_t n) { return static_cast<float>(n); }
