#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tesmo {

enum class DateOrder { DayFirst, MonthFirst, YearFirst };

// Formats the whole day of a day number with a pattern made of "dd", "mm", "yy", "yyyy"
// and literal characters, such as "dd/mm/yy" or "yyyy/mm/dd". An invalid day gives "".
std::string FormatDate(double dayNumber, std::string_view pattern);

// The order of day, month and year in a pattern such as "mm/dd/yy".
DateOrder OrderOfPattern(std::string_view pattern);

// Reads a text as a date and gives its day number, or nothing when the text is no date.
// Accepts three numeric parts separated by "/", "-", "." or blanks in the given order
// (falling back to the other orders when that order gives no valid date, and year first
// whenever the first part has four digits), or two numbers and an English month name,
// optionally followed by a time "hh:mm[:ss]" with "AM"/"PM". Two-digit years 00-29 are
// 2000-2029, 30-99 are 1930-1999. A text of digits only is never a date.
std::optional<double> ReadDate(std::string_view text, DateOrder order);

}  // namespace tesmo
