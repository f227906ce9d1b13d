#pragma once

#include <cstdint>
#include <optional>

namespace tesmo {

// What the tick step of one axis is chosen from.
struct AxisSpec {
    std::int32_t unit = 0;  // the axis unit; 0 chooses automatically
    float factor = 1;       // surface units per world unit
    float pixel = 15;       // one screen pixel in surface units
    float range = 1;        // max - min (never 0)
    bool asDate = false;
    float min = 0;
    float max = 0;
    float plotExtent = 0;  // width (or height) of the plot rectangle
};

struct AxisStep {
    float world = 0;    // step in world units
    float surface = 0;  // step in surface units
    std::optional<std::int32_t> newUnit;  // the automatic unit to store back
    bool asDate = false;                  // false when the bounds are no valid dates
    bool tooSmall = false;                // a date step below one pixel: no scale can be drawn
};

// The tick step of an axis: the unit, widened to one pixel when shorter; automatically a
// tenth of the range (90 days on a date axis). Date ticks are stretched to divide the plot
// extent into equal parts. Throws tesmo::Error 6 when the numbers do not fit.
AxisStep ChooseStep(const AxisSpec& axis);

}  // namespace tesmo
