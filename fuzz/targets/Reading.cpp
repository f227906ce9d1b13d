// Numbers and dates read from texts in each locale setting, and the locale detection that
// reads how the system writes a probe date and number.
#include <cmath>
#include <cstdlib>

#include "core/LocaleDetection.h"
#include "support/NumberReading.h"
#include "targets/Locales.h"

TESMO_FUZZ_TARGET(Reading) {
    using namespace tesmo;
    fuzz::Bytes in(data, size);
    fuzz::PickLocale(in);
    const std::string text = in.Rest();
    // A reading is a number or nothing; never NaN.
    if (const auto number = ReadNumberText(text); number && std::isnan(*number)) std::abort();
    if (const auto day = ReadDateText(text); day && !std::isfinite(*day)) std::abort();
    if (std::isnan(ReadLeadingNumber(text))) std::abort();
    const DateFormats formats = DetectDateFormats(text);
    if (formats.shortFormat.empty() || formats.longFormat.empty()) std::abort();
    const std::string half = text.substr(0, text.size() / 2);
    const std::string decimal = DetectDecimalSeparator(half, text.substr(half.size()));
    if (decimal != "." && decimal != ",") std::abort();
    return 0;
}
