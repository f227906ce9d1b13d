#pragma once

#include <cstdint>

namespace tesmo {

struct ControlState;
struct Ports;
class Menus;
class TrackCreation;
class TrackStore;

// The pointer on the surface: chart values under it in chart mode, track creation in map
// mode, the pop-up menu on a right-button release, and the host's MouseDown, MouseMove and
// MouseUp. Buttons: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt, added.
class PointerInput {
public:
    PointerInput(ControlState& state, const Ports& ports, Menus& menus, TrackCreation& creation, TrackStore& store)
        : s_(state), ports_(ports), menus_(menus), creation_(creation), store_(store) {}

    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y);

private:
    // MouseValueX / MouseValueY: the chart values under a surface position, as text.
    void SetMouseValues(float x, float y);

    ControlState& s_;
    const Ports& ports_;
    Menus& menus_;
    TrackCreation& creation_;
    TrackStore& store_;
};

}  // namespace tesmo
