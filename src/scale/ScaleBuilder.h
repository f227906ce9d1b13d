#pragma once

#include <functional>

namespace tesmo {

struct ControlState;
struct Ports;
class Menus;
struct AxisStep;

// Draws the coordinate system: frame, ticks or grid, zero lines and labels. The scale is
// drawn on the hidden surface and shown whole at the end.
class ScaleBuilder {
public:
    ScaleBuilder(ControlState& state, const Ports& ports, Menus& menus, std::function<void()> drawPoints)
        : s_(state), ports_(ports), menus_(menus), drawPoints_(std::move(drawPoints)) {}

    // True when the whole scale was drawn; otherwise false with the reason in ControlError
    // (empty when a stop was requested or a date step is below one pixel). Never throws.
    bool SetScaleUnit();

private:
    enum class Outcome { Done, Stopped };
    bool Build();
    Outcome DrawXAxis(const AxisStep& step, float tickLength);
    Outcome DrawYAxis(const AxisStep& step, float tickLength);
    void RestoreSurface();
    // The scale's pen: width 1, the grid colour.
    void UseGridPen();
    // Lets input and painting through between two ticks; Stopped on a stop request.
    Outcome Pause();

    ControlState& s_;
    const Ports& ports_;
    Menus& menus_;
    std::function<void()> drawPoints_;
};

}  // namespace tesmo
