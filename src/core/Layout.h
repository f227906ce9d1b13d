#pragma once

namespace tesmo {

struct ControlState;
struct Ports;

// Lays the surface out inside the control with an equal margin on all sides, or, with
// AutoSize and a picture, sizes the control around the surface. Never fails.
void Layout(ControlState& s, const Ports& ports);

}  // namespace tesmo
