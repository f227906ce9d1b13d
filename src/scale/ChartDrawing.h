#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tesmo {

struct ControlState;
struct Ports;
class PathAnimation;

// Draws the stored points as an animated polyline: in chart mode through the mapping, in
// map mode as the surface positions they are.
class ChartDrawing {
public:
    ChartDrawing(ControlState& state, const Ports& ports, PathAnimation& path)
        : s_(state), ports_(ports), path_(path) {}

    // False when the control is disabled, the host cancels StartDrawing or the points
    // cannot be drawn; throws 1023 (with ControlError) or 1033 (too few points).
    bool Draw();

private:
    // Fills PointsX / PointsY; false with the reason in ControlError, or with none when
    // there are too few points.
    bool PreparePoints(std::int32_t& count);
    bool PrepareMapPoints(std::int32_t& count);
    // Appends the chart points from..to as mapped to px / py; false when one of them is a
    // text, whose reading depends on the locale of the moment.
    bool MapPoints(std::vector<double>& px, std::vector<double>& py, std::size_t from, std::size_t to);

    ControlState& s_;
    const Ports& ports_;
    PathAnimation& path_;
};

}  // namespace tesmo
