#pragma once

namespace tesmo {

// The user-interface loop, entered from long operations so that input and painting go on.
class UiLoop {
public:
    virtual ~UiLoop() = default;
    // Lets pending input and painting be processed.
    virtual void Yield() = 0;
    // Processes events, sleeping until an event arrives or the monotonic clock reaches
    // deadlineMs, whichever comes first. Never spins.
    virtual void WaitUntil(double deadlineMs) = 0;
};

}  // namespace tesmo
