#pragma once

#include <optional>
#include <string_view>

#include "support/NumberFormat.h"

namespace tesmo {

// Reads a whole text as a number in the user's locale: blanks around it, an optional sign,
// digits with the locale's group separators between them, the locale's decimal separator
// and an optional exponent. Nothing when the text is no number or does not fit a double.
std::optional<double> ReadNumber(std::string_view text, const NumberSymbols& symbols);
// Reads a whole text as ReadNumber does, but a number too large for a double reads as an
// infinity of its sign and one too small as zero: nothing only when the text is no number.
std::optional<double> ReadNumberForm(std::string_view text, const NumberSymbols& symbols);

// Reads the number at the start of a text the invariant way: leading blanks skipped, an
// optional sign, digits with "." as the only decimal point, stopping at the first other
// character. An empty reading is 0; one too large for a double is an infinity of its sign.
double ReadLeadingNumber(std::string_view text);

}  // namespace tesmo
