#include "scale/StepChoice.h"

#include <cmath>

#include "support/Conversions.h"
#include "support/DayNumber.h"

namespace tesmo {

AxisStep ChooseStep(const AxisSpec& axis) {
    AxisStep step;
    step.asDate = axis.asDate;
    if (axis.unit != 0) {
        step.world = static_cast<float>(axis.unit);
        step.surface = step.world * axis.factor;
        if (step.surface < axis.pixel) {
            step.surface = axis.pixel;
            step.world = axis.pixel / axis.factor;
        }
    } else {
        step.world = axis.asDate ? 90.0f : axis.range / 10.0f;
        step.surface = step.world * axis.factor;
        step.newUnit = ToInt32(step.world);
    }
    if (step.asDate && (!IsValidDayNumber(std::trunc(axis.min)) || !IsValidDayNumber(std::trunc(axis.max))))
        step.asDate = false;
    if (!step.asDate) return step;

    if (step.surface < axis.pixel) {
        step.tooSmall = true;
        return step;
    }
    const std::int64_t a = ToInt32(step.surface);
    const std::int64_t b = ToInt32(axis.plotExtent);
    if (a > 0 && b % a > 0) {
        const double n = std::trunc(static_cast<double>(axis.plotExtent) / static_cast<double>(a));
        if (n > 0) {
            step.surface = static_cast<float>(axis.plotExtent / n);
            step.world = step.surface / axis.factor;
        }
    }
    return step;
}

}  // namespace tesmo
