#pragma once

#include <cstdint>

namespace tesmo {

enum class enBorderStyle : std::int32_t { None = 0, FixedSingle = 1 };

enum class enMapStyle : std::int32_t { Map = 0, ScaleSystem = 1 };

}  // namespace tesmo
