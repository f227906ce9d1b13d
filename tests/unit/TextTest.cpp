// Texts: the settings dialog's field editing (number keys, overtyped dates, focus and spinners
// in both decimal separators and the three date orders), then the number and date patterns,
// the general conversion and the readers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "fakes/Fakes.h"
#include "settings/FieldEditor.h"
#include "support/DateText.h"
#include "support/DayNumber.h"
#include "support/NumberFormat.h"
#include "support/NumberReading.h"
#include "support/SharedValues.h"
#include "tesmo/Error.h"
#include "tesmo/Variant.h"

namespace tesmo::test {
namespace {

class FieldEditing : public SharedValuesTest {
protected:
    void Locale(const char* decimal) {
        Shared().DecimalSeparator = decimal;
        Shared().GroupSeparator = std::string(decimal) == "." ? "," : ".";
    }
};

FieldEditor Field(bool bound, const std::string& text, int start, int length) {
    FieldEditor f(bound);
    f.text = text;
    f.start = start;
    f.length = length;
    return f;
}

TEST_F(FieldEditing, NumberKeysAreTriedBeforeTheyAreTaken) {
    using T = FieldEditor::Typed;
    const struct {
        const char* decimal;
        bool bound;
        const char* text;
        int start, length;
        char32_t key;
        T typed;
        const char* after;
    } cases[] = {
        {".", true, "", 0, 0, '-', T::Taken, "-"},
        {".", false, "", 0, 0, '-', T::Refused, ""},
        {".", true, "", 0, 0, 8, T::Refused, ""},  // Backspace in an empty field
        {".", true, "12", 0, 2, '.', T::Refused, "12"},  // the separator alone is no number
        {",", true, "12", 2, 0, ',', T::Taken, "12,"},
        {",", true, "12", 2, 0, '.', T::Refused, "12"},
        {".", true, "-", 1, 0, '5', T::Taken, "-5"},
        {".", true, "12", 1, 0, '-', T::Refused, "12"},
        {".", true, "125", 3, 0, 8, T::Taken, "12"},
        {".", true, "125", 0, 2, 8, T::Taken, "5"},
        {".", false, "7", 1, 0, U'é', T::Refused, "7"},
    };
    for (const auto& c : cases) {
        Locale(c.decimal);
        FieldEditor f = Field(c.bound, c.text, c.start, c.length);
        EXPECT_EQ(f.NumberKeyPress(c.key), c.typed) << c.text << " + " << static_cast<int>(c.key);
        EXPECT_EQ(f.text, c.after) << c.text << " + " << static_cast<int>(c.key);
    }
}

TEST_F(FieldEditing, NumberFieldsOnFocusAndWhenLeft) {
    const struct {
        const char* decimal;
        const char* text;
        const char* editing;  // after PrepareNumberForEdit
        const char* left;     // after FormatNumberField
    } cases[] = {
        {".", "", "0", "0"},
        {".", "1,500", "1500", "1,500"},  // a grouped text is read whole
        {",", "12,6", "13", "13"},
        {".", "abc", "0", "0"},
        {".", "1e39", "1e39", "1e39"},  // beyond a Single: left for applying to report
    };
    for (const auto& c : cases) {
        Locale(c.decimal);
        FieldEditor f = Field(true, c.text, 0, 0);
        f.PrepareNumberForEdit();
        EXPECT_EQ(f.text, c.editing) << c.text;
        EXPECT_EQ(f.length, static_cast<int>(f.text.size())) << "all selected";
        f.FormatNumberField();
        EXPECT_EQ(f.text, c.left) << c.text;
    }
    Locale(",");
    FieldEditor fraction = Field(true, "0,5", 0, 0);
    fraction.FormatNumberField();
    EXPECT_EQ(fraction.text, "0,5");
}

TEST_F(FieldEditing, DatesAreOvertypedInsideTheirMask) {
    using T = FieldEditor::Typed;
    const std::string dayFirst = "__/__/____", yearFirst = "____/__/__";
    const struct {
        const char* name;
        std::string mask, text;
        int start, length;
        char32_t key;
        T typed;
        const char* after;
        int selected;  // start of the one character selected afterwards
    } cases[] = {
        {"over the separator", dayFirst, "12/__/____", 2, 0, '0', T::Taken, "12/0_/____", 4},
        {"over the second separator", dayFirst, "12/03/____", 5, 0, '2', T::Taken, "12/03/2___", 7},
        {"select all, then 5", dayFirst, "31/12/2026", 0, 10, '5', T::Taken, "5_/__/____", 1},
        {"select all in the month", dayFirst, "31/12/2026", 3, 5, '1', T::Taken, "__/1_/____", 4},
        {"the tenth digit", dayFirst, "31/12/202_", 9, 1, '6', T::Complete, "31/12/2026", 10},
        {"past the end", dayFirst, "31/12/2026", 10, 0, '1', T::Taken, "31/12/2026", 10},
        {"a letter", dayFirst, "31/12/2026", 0, 1, 'x', T::Refused, "31/12/2026", 0},
        {"year first: the year's end", yearFirst, "202_/__/__", 3, 1, '6', T::Taken, "2026/__/__", 5},
        {"two selected are replaced by one", yearFirst, "2026/12/31", 8, 2, '3', T::Taken, "2026/12/3", 9},
    };
    for (const auto& c : cases) {
        FieldEditor f = Field(true, c.text, c.start, c.length);
        EXPECT_EQ(f.DateKeyPress(c.key, c.mask), c.typed) << c.name;
        EXPECT_EQ(f.text, c.after) << c.name;
        EXPECT_EQ(f.start, c.selected) << c.name;
    }

    FieldEditor arrows = Field(true, "31/12/2026", 1, 1);
    EXPECT_TRUE(arrows.DateKeyDown(FieldEditor::Arrow::Right));
    EXPECT_EQ(arrows.start, 3) << "over the /";
    EXPECT_TRUE(arrows.DateKeyDown(FieldEditor::Arrow::Left));
    EXPECT_EQ(arrows.start, 1);
    arrows.DateKeyDown(FieldEditor::Arrow::Left);
    EXPECT_FALSE(arrows.DateKeyDown(FieldEditor::Arrow::Left)) << "at 0 the key goes to the field";

    const struct {
        const char* text;
        const char* after;
    } changes[] = {{"", "__/__/____"}, {"é1/01/2026", "1/01/2026"}, {"ü", "__/__/____"}};
    for (const auto& c : changes) {
        FieldEditor f = Field(true, c.text, 12, 0);
        f.DateTextChanged(dayFirst);
        EXPECT_EQ(f.text, c.after) << c.text;
        EXPECT_LE(f.start, static_cast<int>(f.text.size())) << c.text;
    }
}

TEST_F(FieldEditing, Spinners) {
    Shared().ShortDateFormat = "dd/mm/yy";
    Locale(",");
    const struct {
        bool bound, date;
        const char* text;
        int delta;
        const char* after;
    } cases[] = {
        {true, true, "31/12/2026", 1, "01/01/2027"},
        {true, true, "__/__/____", 1, "__/__/____"},
        {true, true, "31/12/9999", 1, "31/12/9999"},  // the calendar's ends stay
        {true, true, "01/01/0100", -1, "01/01/0100"},
        {true, false, "2,5", 1, "3,5"},
        {true, false, "abc", 1, "abc"},
        {true, false, "-1", -1, "-2"},
        {false, false, "7", 1, "8"},
        {false, false, "1", -1, "1"},  // a unit never goes below 1
        {true, false, "10", -1, "9"},  // shorter: the caret at the end stays within it
    };
    for (const auto& c : cases) {
        FieldEditor f = Field(c.bound, c.text, static_cast<int>(std::strlen(c.text)), 0);
        c.date ? f.StepDate(c.delta, "dd/mm/yyyy") : f.StepNumber(c.delta);
        EXPECT_EQ(f.text, c.after) << c.text;
        EXPECT_EQ(f.start, static_cast<int>(f.text.size())) << c.text;
    }
}

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
        {"whole rounds halves away from zero", 2.5, "0", kPoint, "3"},
        {"negative half away from zero", -2.5, "0", kPoint, "-3"},
        {"negative that rounds to zero has no sign", -0.4, "0", kPoint, "0"},
        {"huge whole number keeps every digit", 1e20, "0", kPoint, "100000000000000000000"},
        {"two decimals at most", 0.5, "0.##", kPoint, "0.5"},
        {"rounding on the shortest decimal form", 1.005, "0.##", kPoint, "1.01"},
        {"carry into the integer part", 0.999, "0.##", kPoint, "1"},
        {"tiny value shows as zero", 0.001, "0.##", kPoint, "0"},
        {"millions rounded", 1234567.5, "#,##0", kPoint, "1,234,568"},
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
        {1.5, 15, ",", "1,5"},
        {1e-5, 15, ".", "1E-05"},
        {123456789012345678.0, 15, ".", "1.23456789012346E+17"},
        {static_cast<double>(0.1f), 7, ".", "0.1"},
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
        {"1.5e3", kPoint, 1500},
        {".25", kPoint, 0.25},
        {"", kPoint, std::nullopt},
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
        {"1,000", 1}, {" -3.5x", -3.5}, {"", 0}, {"0.25", 0.25}, {"7.", 7}, {"-", 0},
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
        {"impossible day", "31/02/1999", DateOrder::DayFirst, std::nullopt},
        {"beyond the calendar", "01/01/10000", DateOrder::DayFirst, std::nullopt},
        {"time alone", "12:00", DateOrder::DayFirst, std::nullopt},
        {"bad time", "31/03/1999 25:00", DateOrder::DayFirst, std::nullopt},
        {"a time with an empty field", "31/03/1999 18::00", DateOrder::DayFirst, std::nullopt},
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

using VariantText = SharedValuesTest;

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
    EXPECT_EQ(ErrorOf([] { (void)Variant("abc").toDouble(); }), errors::TypeMismatch);
    // The largest doubles written with 15 digits round past the largest double.
    const std::string largest = Variant(-1.7976931348623157e308).toString();
    EXPECT_EQ(largest, "-1,79769313486232E+308");
    EXPECT_EQ(ErrorOf([&] { (void)Variant(largest).toDouble(); }), errors::Overflow);
}

}  // namespace
}  // namespace tesmo::test
