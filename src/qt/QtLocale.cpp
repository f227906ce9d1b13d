#include "qt/QtLocale.h"

#include <QDate>

#include "support/DayNumber.h"

namespace tesmo {

std::string QtLocale::ShortDateText(double dayNumber) const {
    const CivilDate c = CivilFromDayNumber(dayNumber);
    return locale_.toString(QDate(c.year, c.month, c.day), QLocale::ShortFormat).toStdString();
}

std::string QtLocale::DecimalSeparator() const {
    return locale_.decimalPoint().toStdString();
}

std::string QtLocale::GroupSeparator() const {
    return locale_.groupSeparator().toStdString();
}

}  // namespace tesmo
