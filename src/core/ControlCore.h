#pragma once

namespace tesmo {

struct ControlState;
struct Ports;
class Menus;

// Prints the title at the top left, one "x" in, in TitleColor (not on a disabled control).
void PrintTitle(ControlState& s, const Ports& ports);

// Stops a running drawing: clears the flags, asks it to stop and clears the surface.
void AbortDrawing(ControlState& s, const Ports& ports, Menus& menus);

// The pause before an animation step: yields at least once, then sleeps in the user
// interface until Delay milliseconds have passed or a stop is requested.
void WaitDelay(ControlState& s, const Ports& ports);

}  // namespace tesmo
