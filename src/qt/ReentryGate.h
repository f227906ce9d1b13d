#pragma once

#include <functional>

namespace tesmo {

// Counts the calls in progress through which the control hands the thread to other code
// (the event loop, a modal dialog, a host's event handler). While any is in progress the
// control's own code is on the stack and the control must not be deleted.
class ReentryGate {
public:
    bool busy() const { return depth_ > 0; }
    // Called each time the last call in progress returns.
    void setOnIdle(std::function<void()> onIdle) { onIdle_ = std::move(onIdle); }

    class Scope {
    public:
        explicit Scope(ReentryGate& gate) : gate_(gate) { ++gate_.depth_; }
        ~Scope() {
            if (--gate_.depth_ == 0 && gate_.onIdle_) gate_.onIdle_();
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ReentryGate& gate_;
    };

private:
    int depth_ = 0;
    std::function<void()> onIdle_;
};

}  // namespace tesmo
