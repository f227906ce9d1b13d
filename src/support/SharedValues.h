#pragma once

#include <string>

#include "support/DateText.h"
#include "support/NumberFormat.h"

namespace tesmo {

// Values shared by every control of a user-interface thread, set at each start-up from
// the user's locale.
struct SharedValues {
    std::string ShortDateFormat = "dd/mm/yy";
    std::string LongDateFormat = "dd/mm/yyyy";
    std::string DecimalSeparator = ".";
    std::string GroupSeparator = ",";
    // Guards the layout against the resize it causes itself.
    bool Resizing = false;

    NumberSymbols Symbols() const { return {DecimalSeparator, GroupSeparator}; }
    DateOrder Order() const { return OrderOfPattern(ShortDateFormat); }
};

SharedValues& Shared();

// Reads a value the way the control's conversions do: a number in the user's locale,
// or a date in the user's date order.
std::optional<double> ReadNumberText(std::string_view text);
// As ReadNumberText, but a number beyond a double (the 15-digit text of the largest ones
// rounds past it) throws Overflow (6) instead of reading as no number.
std::optional<double> ReadNumberChecked(std::string_view text);
std::optional<double> ReadDateText(std::string_view text);

}  // namespace tesmo
