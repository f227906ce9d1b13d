// Numbers and dates written through the patterns of the scale's labels and the settings
// dialog, with patterns, values and significant digits as they come.
#include <cmath>
#include <cstdlib>

#include "support/DateText.h"
#include "support/NumberFormat.h"
#include "support/NumberReading.h"
#include "targets/Locales.h"

TESMO_FUZZ_TARGET(Patterns) {
    using namespace tesmo;
    fuzz::Bytes in(data, size);
    fuzz::PickLocale(in);
    const double value = in.Double();
    const int digits = static_cast<int>(in.Pick(40));
    const std::string pattern = in.Rest();
    const NumberSymbols symbols = Shared().Symbols();
    FormatNumber(value, pattern, symbols);
    FormatDate(value, pattern);
    OrderOfPattern(pattern);
    // A number written in general form reads back as a number (unless rounding it took it
    // past the largest double).
    const std::string general = FormatGeneral(value, digits == 0 ? 15 : digits, symbols.decimal);
    if (std::fabs(value) < 1e308 && !ReadNumber(general, symbols)) std::abort();
    return 0;
}
