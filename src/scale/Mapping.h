#pragma once

namespace tesmo {

struct ControlState;

// Computes the chart's world-to-surface mapping for a surface of the given size into
// s.Mapping. Throws tesmo::Error 1028 (1029) when MaxX < MinX (MaxY < MinY); the fields
// computed before the failing check keep their new values.
void ComputeMapping(ControlState& s, float scaleWidth, float scaleHeight);

// The same without errors: an empty or inverted range counts as 1.
void ComputeMappingLenient(ControlState& s, float scaleWidth, float scaleHeight);

}  // namespace tesmo
