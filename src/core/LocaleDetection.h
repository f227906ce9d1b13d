#pragma once

#include <string>
#include <string_view>

namespace tesmo {

struct DateFormats {
    std::string shortFormat;  // "dd/mm/yy", "mm/dd/yy" or "yy/mm/dd"
    std::string longFormat;   // "dd/mm/yyyy", "mm/dd/yyyy" or "yyyy/mm/dd"
};

// The user's date order, read from how the locale writes 31 March 1999 as a short date.
// Only "/" separates the parts: any other form reads as day first.
DateFormats DetectDateFormats(std::string_view probe);

// "." when the locale writes 12.34 with a point, "," otherwise.
std::string DetectDecimalSeparator(std::string_view localeDecimal, std::string_view localeGroup);

}  // namespace tesmo
