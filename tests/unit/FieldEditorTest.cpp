// The settings dialog's field editing: number keys, overtyped dates, focus and spinners,
// in both decimal separators and in the three date orders.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "fakes/Fakes.h"
#include "settings/FieldEditor.h"

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
        {".", true, "12", 2, 0, 'a', T::Refused, "12"},
        {".", true, "", 0, 0, '-', T::Taken, "-"},
        {".", false, "", 0, 0, '-', T::Refused, ""},
        {".", true, "", 0, 0, 8, T::Refused, ""},  // Backspace in an empty field
        {".", true, "12", 0, 2, '.', T::Refused, "12"},  // the separator alone is no number
        {".", true, "12", 2, 0, '.', T::Taken, "12."},
        {",", true, "12", 2, 0, ',', T::Taken, "12,"},
        {",", true, "12", 2, 0, '.', T::Refused, "12"},
        {".", true, "-", 1, 0, '5', T::Taken, "-5"},
        {".", true, "12", 1, 0, '-', T::Refused, "12"},
        {".", true, "125", 3, 0, 8, T::Taken, "12"},
        {".", true, "125", 0, 2, 8, T::Taken, "5"},
        {".", true, "7", 1, 0, '\r', T::Refused, "7"},  // Enter
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
        {".", "12.6", "13", "13"},
        {".", "", "0", "0"},
        {".", "1,500", "1500", "1,500"},  // a grouped text is read whole
        {".", "0.25", "0", "0"},
        {",", "12,6", "13", "13"},
        {",", "1.500", "1500", "1.500"},
        {".", "abc", "0", "0"},
        {".", "1e39", "1e39", "1e39"},  // beyond a Single: left for applying to report
        {".", "99999999999999999999999999999999999999999", "99999999999999999999999999999999999999999",
         "99999999999999999999999999999999999999999"},
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
        {"select all, then 5", dayFirst, "31/12/2026", 0, 10, '5', T::Taken, "5_/__/____", 1},
        {"select all in the month", dayFirst, "31/12/2026", 3, 5, '1', T::Taken, "__/1_/____", 4},
        {"the tenth digit", dayFirst, "31/12/202_", 9, 1, '6', T::Complete, "31/12/2026", 10},
        {"past the end", dayFirst, "31/12/2026", 10, 0, '1', T::Taken, "31/12/2026", 10},
        {"a letter", dayFirst, "31/12/2026", 0, 1, 'x', T::Refused, "31/12/2026", 0},
        {"Backspace", dayFirst, "31/12/2026", 3, 1, 8, T::Refused, "31/12/2026", 3},
        {"year first: the year's end", yearFirst, "202_/__/__", 3, 1, '6', T::Taken, "2026/__/__", 5},
        {"year first: over its separator", yearFirst, "2026/__/__", 4, 0, '1', T::Taken, "2026/1_/__", 6},
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
        {true, false, "-1", -1, "-2"},
        {true, false, "abc", 1, "abc"},
        {false, false, "1", -1, "1"},  // a unit never goes below 1
        {false, false, "7", 1, "8"},
        {true, false, "10", -1, "9"},  // shorter: the caret at the end stays within it
    };
    for (const auto& c : cases) {
        FieldEditor f = Field(c.bound, c.text, static_cast<int>(std::strlen(c.text)), 0);
        c.date ? f.StepDate(c.delta, "dd/mm/yyyy") : f.StepNumber(c.delta);
        EXPECT_EQ(f.text, c.after) << c.text;
        EXPECT_EQ(f.start, static_cast<int>(f.text.size())) << c.text;
    }
}

// Random keys, arrows, selections and steps: the model never throws, and overtyping never
// makes a date longer than its mask.
TEST_F(FieldEditing, RandomEditingKeepsItsShape) {
    std::mt19937 random(2026);
    const char32_t keys[] = {'0', '5', '9', '-', '.', ',', 'a', 8, '\r', ' ', '/', U'€'};
    for (const std::string mask : {"__/__/____", "____/__/__"}) {
        for (int run = 0; run < 200; ++run) {
            FieldEditor number(run % 2 == 0), date(true);
            date.text = mask;
            for (int step = 0; step < 40; ++step) {
                const char32_t key = keys[random() % std::size(keys)];
                for (FieldEditor* f : {&number, &date}) {
                    f->start = static_cast<int>(random() % (f->text.size() + 2));
                    f->length = static_cast<int>(random() % 3);
                }
                EXPECT_NO_THROW(number.NumberKeyPress(key));
                EXPECT_NO_THROW(date.DateKeyPress(key, mask));
                EXPECT_NO_THROW(date.DateKeyDown(random() % 2 ? FieldEditor::Arrow::Left : FieldEditor::Arrow::Right));
                EXPECT_NO_THROW(number.StepNumber(random() % 2 ? 1 : -1));
                EXPECT_LE(date.text.size(), mask.size());
            }
        }
    }
}

}  // namespace
}  // namespace tesmo::test
