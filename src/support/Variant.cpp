#include "tesmo/Variant.h"

#include <cmath>

#include "support/DateText.h"
#include "support/DayNumber.h"
#include "support/NumberFormat.h"
#include "support/SharedValues.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

std::string TimeText(double dayNumber) {
    const long seconds = std::lround(TimeOfDay(dayNumber) * 86400.0) % 86400;
    std::string text;
    for (const long part : {seconds / 3600, seconds / 60 % 60, seconds % 60}) {
        if (!text.empty()) text += ':';
        text += static_cast<char>('0' + part / 10);
        text += static_cast<char>('0' + part % 10);
    }
    return text;
}

}  // namespace

Variant Variant::fromDate(double dayNumber) {
    Variant v;
    v.type_ = VarType::Date;
    v.number_ = dayNumber;
    return v;
}

double Variant::toDouble() const {
    switch (type_) {
        case VarType::Empty: return 0.0;
        case VarType::String:
            if (auto n = ReadNumberChecked(text_)) return *n;
            if (auto d = ReadDateText(text_)) return *d;
            throw Error(errors::TypeMismatch, "Type mismatch");
        default: return number_;
    }
}

std::string Variant::toString() const {
    const SharedValues& shared = Shared();
    switch (type_) {
        case VarType::Empty: return {};
        case VarType::Boolean: return number_ != 0 ? "True" : "False";
        case VarType::Integer:
        case VarType::Long: return FormatGeneral(number_, 15, shared.DecimalSeparator);
        case VarType::Single: return FormatGeneral(number_, 7, shared.DecimalSeparator);
        case VarType::Double: return FormatGeneral(number_, 15, shared.DecimalSeparator);
        case VarType::Date: {
            if (!IsValidDayNumber(number_)) return FormatGeneral(number_, 15, shared.DecimalSeparator);
            std::string text = FormatDate(number_, shared.LongDateFormat);
            if (TimeOfDay(number_) != 0.0) text.append(" ").append(TimeText(number_));
            return text;
        }
        case VarType::String: return text_;
    }
    return {};
}

}  // namespace tesmo
