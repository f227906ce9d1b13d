#pragma once

#include "FuzzTarget.h"
#include "support/SharedValues.h"

namespace tesmo::fuzz {

// The locale settings the control meets: each date order with "." or "," as the decimal
// separator and the group separators that go with them (a narrow no-break space among them).
inline void PickLocale(Bytes& in) {
    static const struct {
        const char* shortDate;
        const char* longDate;
        const char* decimal;
        const char* group;
    } locales[] = {
        {"dd/mm/yy", "dd/mm/yyyy", ".", ","},        {"mm/dd/yy", "mm/dd/yyyy", ".", ","},
        {"yy/mm/dd", "yyyy/mm/dd", ".", ","},        {"dd/mm/yy", "dd/mm/yyyy", ",", "."},
        {"dd/mm/yy", "dd/mm/yyyy", ",", "\u202F"},   {"mm/dd/yy", "mm/dd/yyyy", ",", " "},
        {"yy/mm/dd", "yyyy/mm/dd", ",", "'"},
    };
    const auto& l = locales[in.Pick(std::size(locales))];
    SharedValues& shared = Shared();
    shared.ShortDateFormat = l.shortDate;
    shared.LongDateFormat = l.longDate;
    shared.DecimalSeparator = l.decimal;
    shared.GroupSeparator = l.group;
}

}  // namespace tesmo::fuzz
