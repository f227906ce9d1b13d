#pragma once

namespace tesmo {

// Day numbers count days since 30 December 1899; the fraction is the time of day, and for
// days before that date the fraction still counts forwards from midnight.
struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
};

// The calendar's range: 1 January 100 to 31 December 9999.
inline constexpr double kFirstDayNumber = -657434.0;
inline constexpr double kLastDayNumber = 2958465.0;

bool IsValidCivil(int year, int month, int day);
// The day number of a calendar date (no range check).
double DayNumberFromCivil(int year, int month, int day);
// The calendar date of a day number's whole day (truncated towards zero).
CivilDate CivilFromDayNumber(double dayNumber);
// True when the whole day lies within the calendar's range.
bool IsValidDayNumber(double dayNumber);
// The time-of-day part of a day number, 0 <= t < 1.
double TimeOfDay(double dayNumber);

}  // namespace tesmo
