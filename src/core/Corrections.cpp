#include "core/Corrections.h"

#include <cmath>

#include "support/Conversions.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

// Half of an extent rounded to whole twips, the remainder dropped.
double HalfExtent(float extent) {
    return std::trunc(RoundHalfEven(extent) / 2.0);
}

}  // namespace

float ClampToLimit(float value, float limit) {
    if (std::isnan(value)) throw Error(errors::InvalidPropertyValue, "Invalid property value");
    if (value < 0) value = 0;
    if (value > limit) value = limit;
    return value;
}

std::int16_t CorrectDrawWidth(std::int16_t requested, float scaleWidth) {
    try {
        double w = requested < 1 ? 1 : requested;
        if (scaleWidth / 2 < w) w = HalfExtent(scaleWidth);
        return ToInt16(w);
    } catch (const Error&) {
        return 1;
    }
}

float CorrectMargin(float requested, float surfaceExtent) {
    if (std::isnan(requested)) throw Error(errors::InvalidPropertyValue, "Invalid property value");
    if (requested < 0) return 0;
    const double half = HalfExtent(surfaceExtent);
    if (requested > half) return static_cast<float>(half);
    return requested;
}

}  // namespace tesmo
