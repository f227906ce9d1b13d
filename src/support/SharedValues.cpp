#include "support/SharedValues.h"

#include <cmath>

#include "support/Conversions.h"
#include "support/NumberReading.h"

namespace tesmo {

SharedValues& Shared() {
    thread_local SharedValues values;
    return values;
}

std::optional<double> ReadNumberText(std::string_view text) {
    return ReadNumber(text, Shared().Symbols());
}

std::optional<double> ReadNumberChecked(std::string_view text) {
    if (const auto number = ReadNumberText(text)) return number;
    if (const auto beyond = ReadNumberForm(text, Shared().Symbols()); beyond && std::isinf(*beyond)) ThrowOverflow();
    return std::nullopt;
}

std::optional<double> ReadDateText(std::string_view text) {
    return ReadDate(text, Shared().Order());
}

}  // namespace tesmo
