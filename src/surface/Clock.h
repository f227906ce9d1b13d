#pragma once

namespace tesmo {

class Clock {
public:
    virtual ~Clock() = default;
    // Monotonic milliseconds: only differences mean anything.
    virtual double NowMs() const = 0;
    // The local date and time as a day number (days since 30 December 1899).
    virtual double Now() const = 0;
};

}  // namespace tesmo
