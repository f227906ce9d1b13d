#pragma once

#include <cstdint>

namespace tesmo {

// The events a control raises to its host. Parameters passed by reference may be changed
// by the handler where the event says so (StartDrawing's Cancel).
class ucTesmoEvents {
public:
    virtual ~ucTesmoEvents() = default;

    // Occurs when the user presses the mouse button while an object has the focus.
    virtual void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& x, float& Y) = 0;
    // Occurs when the user moves the mouse.
    virtual void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& x, float& Y) = 0;
    // Occurs when the user releases the mouse button while an object has the focus.
    virtual void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& x, float& Y) = 0;
    // Occurs when is running a track drawing; set Cancel to true to cancel it.
    virtual void StartDrawing(bool& Cancel) = 0;
    // Occurs when a drawing action is done.
    virtual void FinishDrawing() = 0;
    // Occurs when have changed scale settings of the control in coordinate system mode.
    // Redraw is true if the control need a call to Draw.
    virtual void ChangeScaleSetting(bool Redraw) = 0;

    // For hosts that follow a drawing or the stored tracks (nothing by default):
    // how many of the drawing's points are drawn (a playback counts the points of all its
    // branches), at most about 30 times a second and once at the end;
    virtual void DrawingProgress(std::int32_t /*done*/, std::int32_t /*total*/) {}
    // the drawing state: 0 idle, 1 drawing (also between the branches of a playback), 2 paused;
    virtual void DrawingStateChanged(std::int32_t /*state*/) {}
    // the set of stored track names may have changed (a commit, a deletion, a store opened).
    virtual void TracksChanged() {}
};

}  // namespace tesmo
