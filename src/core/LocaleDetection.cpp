#include "core/LocaleDetection.h"

#include <cctype>

#include "support/NumberFormat.h"

namespace tesmo {
namespace {

// The whole number at the start of a text (0 when it starts with no digit).
long LeadingDigits(std::string_view text) {
    long value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        value = value * 10 + (c - '0');
        if (value > 1000000) break;
    }
    return value;
}

}  // namespace

DateFormats DetectDateFormats(std::string_view probe) {
    const DateFormats dayFirst{"dd/mm/yy", "dd/mm/yyyy"};
    const auto first = probe.find('/');
    if (first == std::string_view::npos) return dayFirst;
    const long d1 = LeadingDigits(probe.substr(0, first));
    const std::string_view rest = probe.substr(first + 1);
    const auto second = rest.find('/');
    if (second == std::string_view::npos) return dayFirst;
    const long d2 = LeadingDigits(rest.substr(0, second));
    if (d1 == 31 && d2 == 3) return dayFirst;
    if (d1 == 3 && d2 == 31) return {"mm/dd/yy", "mm/dd/yyyy"};
    const std::string d1Text = std::to_string(d1);
    if (d1Text.size() >= 2 && d1Text.ends_with("99") && d2 == 3) return {"yy/mm/dd", "yyyy/mm/dd"};
    return dayFirst;
}

std::string DetectDecimalSeparator(std::string_view localeDecimal, std::string_view localeGroup) {
    const std::string probe =
        FormatNumber(12.34, "0.00", NumberSymbols{std::string(localeDecimal), std::string(localeGroup)});
    return probe.find('.') != std::string::npos ? "." : ",";
}

}  // namespace tesmo
