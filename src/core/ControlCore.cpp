#include "core/ControlCore.h"

#include <algorithm>

#include "core/ControlState.h"
#include "surface/Ports.h"

namespace tesmo {

void PrintTitle(ControlState& s, const Ports& ports) {
    if (!ports.host.Enabled()) return;
    Surface& surface = ports.surface;
    surface.setCurrentX(surface.TextWidth("x"));
    surface.setCurrentY(0);
    surface.setForeColor(s.TitleColor);
    surface.Print(s.Title, true);
    surface.setForeColor(s.ForeColor);
}

void WaitDelay(ControlState& s, const Ports& ports) {
    // A stored Delay is loaded as it was: only what a wait can take reaches the clock.
    const double delay = s.Delay > 0 ? std::min<double>(s.Delay, kLongestWaitMs) : 0.0;
    const double start = ports.clock.NowMs();
    const double deadline = start + delay;
    for (;;) {
        ports.ui.Yield();
        if (s.FlagExit || ports.clock.NowMs() >= deadline) return;
        ports.ui.WaitUntil(deadline);
    }
}

}  // namespace tesmo
