#pragma once

#include <cstdint>

#include "tesmo/Variant.h"

namespace tesmo {

// One point of the chart, as the host gave it: x and Y unchanged, and its 1-based position
// at the time it was added.
class tyPoint {
public:
    tyPoint() = default;
    tyPoint(Variant x, Variant Y, std::int32_t Index) : x_(std::move(x)), y_(std::move(Y)), index_(Index) {}

    const Variant& x() const { return x_; }
    void setX(Variant value) { x_ = std::move(value); }
    const Variant& Y() const { return y_; }
    void setY(Variant value) { y_ = std::move(value); }
    std::int32_t Index() const { return index_; }
    void setIndex(std::int32_t value) { index_ = value; }

private:
    Variant x_;
    Variant y_;
    std::int32_t index_ = 0;
};

}  // namespace tesmo
