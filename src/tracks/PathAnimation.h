#pragma once

#include <cstddef>
#include <cstdint>

namespace tesmo {

struct ControlState;
struct Ports;
class Menus;

// Draws PointsX / PointsY as an animation: segment after segment, each advanced in steps of
// BaseStep surface units with a pause of Delay milliseconds before every step.
// Stops a running drawing: clears the flags, asks it to stop and clears the surface.
void AbortDrawing(ControlState& s, const Ports& ports, Menus& menus);
// The drawing state: 0 idle, 1 drawing (also between the branches of a playback), 2 paused.
std::int32_t DrawingStateOf(const ControlState& s);
// Tells the host the drawing state when it changed since last told.
void TellDrawingState(ControlState& s, const Ports& ports);
// Tells the host how far the drawing is: at most about 30 times a second, and always when
// `last`.
void TellProgress(ControlState& s, const Ports& ports, std::size_t done, std::size_t total, bool last);

class PathAnimation {
public:
    PathAnimation(ControlState& state, const Ports& ports, Menus& menus) : s_(state), ports_(ports), menus_(menus) {}

    // True when the whole path was drawn or a stop request ended it; FinishDrawing is
    // raised for a path drawn to its end, and for one a host cancelled (left as drawn).
    bool DrawPath();

private:
    enum class Outcome { Done, Stopped };
    // True once a stop is requested or the path drawn since `path` was replaced (a drawing
    // started from one of this one's yields).
    bool Stopped(std::uint64_t path) const;
    // Sleeps in the user interface while the drawing is paused; Stopped when it is stopped
    // meanwhile.
    Outcome HoldWhilePaused(std::uint64_t path);
    // True when segments are drawn whole: no wait, or no step that could reach their end.
    bool WholeSegments() const;
    // Makes SingleX / SingleY hold the path's first `count` points, where they do not yet.
    void FillSingles(std::size_t count);
    // Sets the surface's pen to the drawing's width and colour; the colour.
    std::int32_t UseDrawingPen();
    Outcome DrawSegment(double x1, double y1, double x2, double y2, double slope, double intercept,
                        std::int32_t color, std::uint64_t path);
    void Finish();

    ControlState& s_;
    const Ports& ports_;
    Menus& menus_;
};

}  // namespace tesmo
