#pragma once

#include <cstdint>

namespace tesmo {

// Checked narrowing, as the control's arithmetic expects it: out of range throws
// tesmo::Error 6 (Overflow); rounding to whole numbers goes halves to even.
float ToSingle(double value);
std::int16_t ToInt16(double value);
std::int32_t ToInt32(double value);
// Rounds to a whole number, halves to the even neighbour.
double RoundHalfEven(double value);

}  // namespace tesmo
