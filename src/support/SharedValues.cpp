#include "support/SharedValues.h"

#include "support/NumberReading.h"

namespace tesmo {

SharedValues& Shared() {
    thread_local SharedValues values;
    return values;
}

std::optional<double> ReadNumberText(std::string_view text) {
    return ReadNumber(text, Shared().Symbols());
}

std::optional<double> ReadDateText(std::string_view text) {
    return ReadDate(text, Shared().Order());
}

}  // namespace tesmo
