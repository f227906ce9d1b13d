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
std::int16_t ToInt16(double value);
std::int32_t ToInt32(double value);
// Rounds to a whole number, halves to the even neighbour.
double RoundHalfEven(double value);

}  // namespace tesmo
