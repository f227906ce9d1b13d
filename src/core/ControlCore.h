#pragma once

namespace tesmo {

struct ControlState;
struct Ports;

// Prints the title at the top left, one "x" in, in TitleColor (not on a disabled control).
void PrintTitle(ControlState& s, const Ports& ports);

// The pause before an animation step: yields at least once, then sleeps in the user
// interface until Delay milliseconds have passed or a stop is requested.
void WaitDelay(ControlState& s, const Ports& ports);

}  // namespace tesmo
