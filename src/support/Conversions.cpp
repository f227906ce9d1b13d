#include "support/Conversions.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "tesmo/Error.h"

namespace tesmo {
void ThrowOverflow() {
    throw Error(errors::Overflow, "Overflow");
}

double RoundHalfEven(double value) {
    return std::nearbyint(value);  // the default rounding mode is to nearest, ties to even
}

std::int16_t ToInt16(double value) {
    const double r = RoundHalfEven(value);
    if (!(r >= std::numeric_limits<std::int16_t>::min() && r <= std::numeric_limits<std::int16_t>::max()))
        ThrowOverflow();
    return static_cast<std::int16_t>(r);
}

std::int32_t ToInt32(double value) {
    const double r = RoundHalfEven(value);
    if (!(r >= std::numeric_limits<std::int32_t>::min() && r <= std::numeric_limits<std::int32_t>::max()))
        ThrowOverflow();
    return static_cast<std::int32_t>(r);
}

}  // namespace tesmo
