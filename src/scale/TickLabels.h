#pragma once

#include <string>

#include "support/SharedValues.h"

namespace tesmo {

// The label of a tick: the date in the short date pattern on a date axis; otherwise the
// number with thousands separators, or with up to two decimals between 0 and 1.
std::string TickLabel(float value, bool asDate, const SharedValues& shared);

// Whether a tick's label stands for zero, so that the axis line is drawn there. Numeric
// labels are read with the decimal separator they were written with; dates are never zero.
bool LabelIsZero(const std::string& label, bool asDate, const std::string& decimalSeparator);

// Where the labels go, given the tick's surface position and the label's extent.
struct LabelPlacement {
    float surfaceWidth = 0;
    float surfaceHeight = 0;
    float pixelX = 15;
    float pixelY = 15;
};

// Below the plot: centred on the tick, kept inside the surface.
float BottomLabelX(const LabelPlacement& p, float sx, float width);
float BottomLabelY(const LabelPlacement& p, float bottomScale, float height);
// Above the plot: as below, two pixels in from the right edge.
float TopLabelX(const LabelPlacement& p, float sx, float width);
float TopLabelY(const LabelPlacement& p, float topScale, float height);
// Left of the plot: right-aligned two pixels left of the axis, or at the edge.
float LeftLabelX(const LabelPlacement& p, float leftScale, float width);
// Right of the plot: two pixels right of the frame, kept inside the surface.
float RightLabelX(const LabelPlacement& p, float rightScale, float width);
// Beside the plot: centred on the tick, kept inside the surface.
float SideLabelY(const LabelPlacement& p, float sy, float height);

}  // namespace tesmo
