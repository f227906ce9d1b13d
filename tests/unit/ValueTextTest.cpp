// Number and date texts: the patterns, the general conversion and the readers.
#include <gtest/gtest.h>

#include <cmath>

#include "fakes/Fakes.h"
#include "support/DateText.h"
#include "support/DayNumber.h"
#include "support/NumberFormat.h"
#include "support/NumberReading.h"
#include "support/SharedValues.h"
#include "tesmo/Error.h"
#include "tesmo/Variant.h"

namespace tesmo {
namespace {

const NumberSymbols kPoint{".", ","};
const NumberSymbols kComma{",", "."};
const NumberSymbols kFrench{",", "\u202f"};

struct FormatCase {
    const char* name;
    double value;
    const char* pattern;
    NumberSymbols symbols;
    const char* expected;
};

TEST(FormatNumber, Patterns) {
    const FormatCase cases[] = {
        {"whole rounds up from .6", 2.6, "0", kPoint, "3"},
        {"whole rounds halves away from zero", 2.5, "0", kPoint, "3"},
        {"negative half away from zero", -2.5, "0", kPoint, "-3"},
        {"negative that rounds to zero has no sign", -0.4, "0", kPoint, "0"},
        {"huge whole number keeps every digit", 1e20, "0", kPoint, "100000000000000000000"},
        {"two decimals at most", 0.5, "0.##", kPoint, "0.5"},
        {"whole number shows no separator", 5, "0.##", kPoint, "5"},
        {"rounding on the shortest decimal form", 1.005, "0.##", kPoint, "1.01"},
        {"carry into the integer part", 0.999, "0.##", kPoint, "1"},
        {"decimal comma", 0.5, "0.##", kComma, "0,5"},
        {"tiny value shows as zero", 0.001, "0.##", kPoint, "0"},
        {"thousands", 1250, "#,##0", kPoint, "1,250"},
        {"negative with grouping", -3, "#,##0", kPoint, "-3"},
        {"millions rounded", 1234567.5, "#,##0", kPoint, "1,234,568"},
        {"below one rounds to zero", 0.4, "#,##0", kPoint, "0"},
        {"dot grouping", 1234567, "#,##0", kComma, "1.234.567"},
        {"narrow no-break space grouping", 1234, "#,##0", kFrench, "1\u202f234"},
        {"fixed decimals probe", 12.34, "0.00", kComma, "12,34"},
        {"fixed decimals pad", 3, "0.00", kPoint, "3.00"},
        {"not a number", std::nan(""), "0", kPoint, "NaN"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value, c.pattern, c.symbols), c.expected) << c.name;
}

TEST(FormatGeneral, SignificantDigitsAndExponents) {
    const struct {
        double value;
        int digits;
        const char* decimal;
        const char* expected;
    } cases[] = {
        {1.5, 15, ".", "1.5"},
        {1.5, 15, ",", "1,5"},
        {2, 15, ".", "2"},
        {-0.25, 15, ".", "-0.25"},
        {1e15, 15, ".", "1E+15"},
        {1e-5, 15, ".", "1E-05"},
        {123456789012345678.0, 15, ".", "1.23456789012346E+17"},
        {static_cast<double>(0.1f), 7, ".", "0.1"},
        {1.0 / 3.0, 15, ".", "0.333333333333333"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatGeneral(c.value, c.digits, c.decimal), c.expected) << c.expected;
}

TEST(ReadNumber, LocaleText) {
    const struct {
        const char* text;
        NumberSymbols symbols;
        std::optional<double> expected;
    } cases[] = {
        {"12", kPoint, 12},
        {" -3 ", kPoint, -3},
        {"+4.5", kPoint, 4.5},
        {"1,234.5", kPoint, 1234.5},
        {"1.234,5", kComma, 1234.5},
        {"0,5", kComma, 0.5},
        {"1.5e3", kPoint, 1500},
        {".25", kPoint, 0.25},
        {"", kPoint, std::nullopt},
        {"abc", kPoint, std::nullopt},
        {"12abc", kPoint, std::nullopt},
        {"-", kPoint, std::nullopt},
        {"1e400", kPoint, std::nullopt},
        {"1e", kPoint, std::nullopt},
        {"31/03/1999", kPoint, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadNumber(c.text, c.symbols), c.expected) << c.text;
}

TEST(ReadLeadingNumber, InvariantReading) {
    const std::string nines(400, '9');
    const struct {
        std::string text;
        double expected;
    } cases[] = {
        {"0,5", 0}, {"1,000", 1}, {" -3.5x", -3.5}, {"", 0}, {"31/03/99", 31},
        {"0.25", 0.25}, {"-0", 0}, {"abc", 0}, {"7.", 7}, {"-", 0},
        {nines + "x", HUGE_VAL}, {"-" + nines, -HUGE_VAL}, {"0." + std::string(400, '0') + "1", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(ReadLeadingNumber(c.text), c.expected) << c.text.substr(0, 10);
}

TEST(DayNumber, CalendarArithmetic) {
    EXPECT_EQ(DayNumberFromCivil(1899, 12, 30), 0);
    EXPECT_EQ(DayNumberFromCivil(1900, 1, 1), 2);
    EXPECT_EQ(DayNumberFromCivil(2000, 1, 1), 36526);
    EXPECT_EQ(DayNumberFromCivil(1999, 3, 31) + 276, DayNumberFromCivil(2000, 1, 1));
    EXPECT_TRUE(IsValidDayNumber(kFirstDayNumber));
    EXPECT_TRUE(IsValidDayNumber(kLastDayNumber));
    EXPECT_FALSE(IsValidDayNumber(kLastDayNumber + 1));
    EXPECT_FALSE(IsValidDayNumber(std::nan("")));
    // Every day of the calendar's range survives the round trip.
    for (double day = kFirstDayNumber; day <= kLastDayNumber; day += 97) {
        const CivilDate c = CivilFromDayNumber(day);
        ASSERT_TRUE(IsValidCivil(c.year, c.month, c.day)) << day;
        ASSERT_EQ(DayNumberFromCivil(c.year, c.month, c.day), day);
    }
    EXPECT_FALSE(IsValidCivil(1900, 2, 29));
    EXPECT_TRUE(IsValidCivil(2000, 2, 29));
}

TEST(ReadDate, OrdersSeparatorsAndNames) {
    const double march31 = DayNumberFromCivil(1999, 3, 31);
    const struct {
        const char* name;
        const char* text;
        DateOrder order;
        std::optional<double> expected;
    } cases[] = {
        {"day first", "31/03/1999", DateOrder::DayFirst, march31},
        {"month first", "3/31/99", DateOrder::MonthFirst, march31},
        {"month first text in a day-first locale", "3/31/99", DateOrder::DayFirst, march31},
        {"year first", "99/03/31", DateOrder::YearFirst, march31},
        {"four-digit year first in any order", "1999/03/31", DateOrder::MonthFirst, march31},
        {"dots", "31.03.99", DateOrder::DayFirst, march31},
        {"dashes", "1999-03-31", DateOrder::DayFirst, march31},
        {"month name", "31 Mar 1999", DateOrder::MonthFirst, march31},
        {"month name first", "March 31, 1999", DateOrder::DayFirst, march31},
        {"ambiguous follows the locale", "01/02/2000", DateOrder::MonthFirst, DayNumberFromCivil(2000, 1, 2)},
        {"two-digit year below 30", "01/01/29", DateOrder::DayFirst, DayNumberFromCivil(2029, 1, 1)},
        {"with a time", "31/03/1999 18:00", DateOrder::DayFirst, march31 + 0.75},
        {"with a 12-hour time", "31/03/1999 6:00 PM", DateOrder::DayFirst, march31 + 0.75},
        {"digits only", "19990331", DateOrder::DayFirst, std::nullopt},
        {"number", "12", DateOrder::DayFirst, std::nullopt},
        {"impossible day", "31/02/1999", DateOrder::DayFirst, std::nullopt},
        {"beyond the calendar", "01/01/10000", DateOrder::DayFirst, std::nullopt},
        {"time alone", "12:00", DateOrder::DayFirst, std::nullopt},
        {"bad time", "31/03/1999 25:00", DateOrder::DayFirst, std::nullopt},
        {"words", "abc", DateOrder::DayFirst, std::nullopt},
        {"empty", "", DateOrder::DayFirst, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadDate(c.text, c.order), c.expected) << c.name;
}

TEST(FormatDate, Patterns) {
    const double day = DayNumberFromCivil(2005, 3, 7);
    EXPECT_EQ(FormatDate(day, "dd/mm/yy"), "07/03/05");
    EXPECT_EQ(FormatDate(day, "mm/dd/yyyy"), "03/07/2005");
    EXPECT_EQ(FormatDate(day + 0.9, "yyyy/mm/dd"), "2005/03/07");
    EXPECT_EQ(FormatDate(kLastDayNumber + 1, "dd/mm/yy"), "");
    for (const char* pattern : {"dd/mm/yyyy", "mm/dd/yyyy", "yyyy/mm/dd"})
        EXPECT_EQ(ReadDate(FormatDate(day, pattern), OrderOfPattern(pattern)), day) << pattern;
}

using VariantText = test::SharedValuesTest;

TEST_F(VariantText, FollowsTheSharedLocaleValues) {
    Shared().DecimalSeparator = ",";
    Shared().GroupSeparator = ".";
    Shared().ShortDateFormat = "mm/dd/yy";
    Shared().LongDateFormat = "mm/dd/yyyy";
    EXPECT_EQ(Variant(1.5f).toString(), "1,5");
    EXPECT_EQ(Variant(true).toString(), "True");
    EXPECT_EQ(Variant::fromDate(DayNumberFromCivil(1999, 3, 31)).toString(), "03/31/1999");
    EXPECT_EQ(Variant::fromDate(DayNumberFromCivil(1999, 3, 31) + 0.5).toString(), "03/31/1999 12:00:00");
    EXPECT_DOUBLE_EQ(Variant("1.234,5").toDouble(), 1234.5);
    EXPECT_DOUBLE_EQ(Variant("3/31/1999").toDouble(), DayNumberFromCivil(1999, 3, 31));
    EXPECT_DOUBLE_EQ(Variant(true).toDouble(), -1);
    EXPECT_EQ(test::ErrorOf([] { (void)Variant("abc").toDouble(); }), errors::TypeMismatch);
    // The largest doubles written with 15 digits round past the largest double.
    const std::string largest = Variant(-1.7976931348623157e308).toString();
    EXPECT_EQ(largest, "-1,79769313486232E+308");
    EXPECT_EQ(test::ErrorOf([&] { (void)Variant(largest).toDouble(); }), errors::Overflow);
}

}  // namespace
}  // namespace tesmo
