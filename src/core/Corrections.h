#pragma once

#include <cstdint>

namespace tesmo {

inline constexpr float kMaxBaseStep = 64000.0f;
inline constexpr float kMaxDelay = 60000.0f;

// Clamps a value into 0 ... limit; NaN is refused with tesmo::Error 380.
float ClampToLimit(float value, float limit);

// The line width a DrawWidth request gives on a surface scaleWidth twips wide: at least 1,
// at most half the width; any failure gives 1.
std::int16_t CorrectDrawWidth(std::int16_t requested, float scaleWidth);

// A margin request limited to 0 ... half of the surface extent (in whole twips).
float CorrectMargin(float requested, float surfaceExtent);

}  // namespace tesmo
