#pragma once

#include <string>
#include <string_view>

namespace tesmo {

struct NumberSymbols {
    std::string decimal = ".";
    std::string group = ",";
};

// Formats a number with a pattern of the kind "0", "0.##", "0.00" or "#,##0": a "," before
// the decimal point asks for digit grouping, each "0" is a digit always shown and each "#"
// a digit shown when not a trailing zero. Rounding goes halves away from zero, on the
// number's shortest decimal form. Never uses the C library's locale.
std::string FormatNumber(double value, std::string_view pattern, const NumberSymbols& symbols);

// The general number-to-text conversion: up to `significantDigits` significant digits,
// exponent form ("1E+15", "1E-05") for very large or small values.
std::string FormatGeneral(double value, int significantDigits, std::string_view decimal);

}  // namespace tesmo
