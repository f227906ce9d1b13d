#include "scale/TickLabels.h"

#include <cmath>

#include "support/DateText.h"
#include "support/NumberFormat.h"
#include "support/NumberReading.h"

namespace tesmo {

std::string TickLabel(float value, bool asDate, const SharedValues& shared) {
    if (asDate) return FormatDate(std::trunc(value), shared.ShortDateFormat);
    const char* pattern = value >= 1 || value <= 0 ? "#,##0" : "0.##";
    return FormatNumber(value, pattern, shared.Symbols());
}

bool LabelIsZero(const std::string& label, bool asDate, const std::string& decimalSeparator) {
    if (asDate) return false;
    std::string text = label;
    if (decimalSeparator != ".") {
        if (const auto at = text.find(decimalSeparator); at != std::string::npos)
            text.replace(at, decimalSeparator.size(), ".");
    }
    return ReadLeadingNumber(text) == 0;
}

float BottomLabelX(const LabelPlacement& p, float sx, float width) {
    if (sx - width / 2 < 0) return p.pixelX;
    if (sx + width <= p.surfaceWidth) return sx - width / 2;
    return p.surfaceWidth - width;
}

float BottomLabelY(const LabelPlacement& p, float bottomScale, float height) {
    const float y0 = p.surfaceHeight - bottomScale + 4 * p.pixelY;
    return y0 < p.surfaceHeight ? y0 : p.surfaceHeight - height;
}

float TopLabelX(const LabelPlacement& p, float sx, float width) {
    if (sx - width / 2 < 0) return p.pixelX;
    if (sx + width <= p.surfaceWidth) return sx - width / 2;
    return p.surfaceWidth - width - 2 * p.pixelX;
}

float TopLabelY(const LabelPlacement& p, float topScale, float height) {
    const float y1 = topScale - height - 4 * p.pixelY;
    return y1 > 0 ? y1 : 0;
}

float LeftLabelX(const LabelPlacement& p, float leftScale, float width) {
    if (leftScale - width - p.pixelX > 0) return leftScale - width - 2 * p.pixelX;
    return p.pixelX;
}

float RightLabelX(const LabelPlacement& p, float rightScale, float width) {
    const float frame = p.surfaceWidth - rightScale;
    if (frame + 2 * p.pixelX < p.surfaceWidth) {
        if (frame + width > p.surfaceWidth) return p.surfaceWidth - width - 2 * p.pixelX;
        return frame + 2 * p.pixelX;
    }
    return p.surfaceWidth - width - 2 * p.pixelX;
}

float SideLabelY(const LabelPlacement& p, float sy, float height) {
    if (sy - height / 2 < 0) return 0;
    if (sy + height <= p.surfaceHeight) return sy - height / 2;
    return p.surfaceHeight - height;
}

}  // namespace tesmo
