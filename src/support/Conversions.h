#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace tesmo {

[[noreturn]] void ThrowOverflow();

// Checked narrowing, as the control's arithmetic expects it: out of range throws
// tesmo::Error 6 (Overflow); rounding to whole numbers goes halves to even.
inline float ToSingle(double value) {
    if (std::isnan(value) || (std::fabs(value) > static_cast<double>(FLT_MAX) && std::isfinite(value)))
        ThrowOverflow();
    return static_cast<float>(value);
}
// The nearest Single, as a coordinate written from a Single reads back: a double a little
// past the largest Single (its shortest text, read as a double) still rounds to it; beyond
// that, Overflow.
inline float RoundToSingle(double value) {
    // Half a unit in the last place past the largest Single.
    constexpr double kLimit = static_cast<double>(FLT_MAX) + 0x1p103;
    if (std::isnan(value) || (std::fabs(value) >= kLimit && std::isfinite(value))) ThrowOverflow();
    if (std::fabs(value) > static_cast<double>(FLT_MAX) && std::isfinite(value)) return value > 0 ? FLT_MAX : -FLT_MAX;
    return static_cast<float>(value);
}
std::int16_t ToInt16(double value);
std::int32_t ToInt32(double value);
// Rounds to a whole number, halves to the even neighbour.
double RoundHalfEven(double value);

}  // namespace tesmo
