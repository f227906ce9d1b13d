// The host's drawing operations on the chart.
#include "core/ControlImpl.h"

namespace tesmo {

float ucTesmo::TextHeight(const std::string& strLine) const {
    return d->ports.surface.TextHeight(strLine);
}

float ucTesmo::TextWidth(const std::string& strLine) const {
    return d->ports.surface.TextWidth(strLine);
}

}  // namespace tesmo
