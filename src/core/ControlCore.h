#pragma once

namespace tesmo {

struct ControlState;
struct Ports;

// Prints the title at the top left, one "x" in, in TitleColor (not on a disabled control).
void PrintTitle(ControlState& s, const Ports& ports);

// The longest pause before a step: about 24 days, what a timer of the platform can take.
inline constexpr double kLongestWaitMs = 2147483647.0;

// The pause before an animation step: yields at least once, then sleeps in the user
// interface until Delay milliseconds have passed (NaN or below 0: none; at most
// kLongestWaitMs) or a stop is requested.
void WaitDelay(ControlState& s, const Ports& ports);

}  // namespace tesmo
