#pragma once

#include "qt/ReentryGate.h"
#include "surface/Clock.h"
#include "surface/UiLoop.h"

namespace tesmo {

// Monotonic milliseconds and the local date from the system clocks.
class SystemClock : public Clock {
public:
    double NowMs() const override;
    double Now() const override;
};

// Yields to the Qt event loop. Processing events costs far more than a drawing step, so a
// yield processes them at most every few milliseconds; waiting sleeps in the event loop.
class QtUiLoop : public UiLoop {
public:
    QtUiLoop(const Clock& clock, ReentryGate& gate) : clock_(clock), gate_(gate) {}
    void detach() { detached_ = true; }

    void Yield() override;
    void WaitUntil(double deadlineMs) override;

private:
    const Clock& clock_;
    ReentryGate& gate_;
    long long lastProcessed_ = 0;
    bool detached_ = false;
};

}  // namespace tesmo
