#pragma once

#include <string>

namespace tesmo {

// Facts of the user's locale.
class Locale {
public:
    virtual ~Locale() = default;
    // The day number as the user's short date text.
    virtual std::string ShortDateText(double dayNumber) const = 0;
    virtual std::string DecimalSeparator() const = 0;
    virtual std::string GroupSeparator() const = 0;
};

}  // namespace tesmo
