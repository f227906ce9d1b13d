#include "support/DayNumber.h"

#include <cmath>

namespace tesmo {
namespace {

// Days from 1 January 1970 (proleptic Gregorian calendar).
long long DaysFromEpoch(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

CivilDate CivilFromEpochDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

constexpr long long kEpochOffset = 25569;  // 1 January 1970 as a day number

}  // namespace

bool IsValidCivil(int year, int month, int day) {
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int last = month == 2 && leap ? 29 : kDays[month - 1];
    return day <= last;
}

double DayNumberFromCivil(int year, int month, int day) {
    return static_cast<double>(DaysFromEpoch(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
                               kEpochOffset);
}

CivilDate CivilFromDayNumber(double dayNumber) {
    if (!IsValidDayNumber(dayNumber)) return {};
    return CivilFromEpochDays(static_cast<long long>(std::trunc(dayNumber)) - kEpochOffset);
}

bool IsValidDayNumber(double dayNumber) {
    if (!std::isfinite(dayNumber)) return false;
    const double whole = std::trunc(dayNumber);
    return whole >= kFirstDayNumber && whole <= kLastDayNumber;
}

double TimeOfDay(double dayNumber) {
    return std::fabs(dayNumber - std::trunc(dayNumber));
}

}  // namespace tesmo
