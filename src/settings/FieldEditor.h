#pragma once

#include <optional>
#include <string>

namespace tesmo {

// The editing model of one text field of the settings dialog: its text and selection, the
// key rules of a number field and of a date field overtyped inside its mask, and the steps
// of its spinner. Positions count bytes of the UTF-8 text; the dialog copies text and
// selection in before an event and out after it.
class FieldEditor {
public:
    // A bound field (MinX ...) takes a sign; a unit field does not.
    explicit FieldEditor(bool bound) : bound_(bound) {}

    // What a typed key did: refused (the dialog beeps), taken into the text, or taken and
    // the date complete, so that the focus moves to the next field.
    enum class Typed { Refused, Taken, Complete };

    std::string text;
    int start = 0;   // selection start (the caret when nothing is selected)
    int length = 0;  // selection length
    int maxLength = 0;  // 0: no limit

    // Number mode: the field gets the focus (the value as a whole number, all selected), a
    // key is typed, the field loses the focus (skipped by the caller while the axis holds
    // dates).
    void PrepareNumberForEdit();
    Typed NumberKeyPress(char32_t key);
    void FormatNumberField();

    // Date mode, with the mask of the dialog's date pattern.
    void DateFocusIn();
    // The mouse released at the caret: the date character there is selected.
    void SelectDateCharacter();
    // After any change: characters no date has go, and an emptied field shows the mask again.
    void DateTextChanged(const std::string& mask);
    // Left and right arrows move over the date's digits; true when the key is used up.
    enum class Arrow { Left, Right };
    bool DateKeyDown(Arrow arrow);
    Typed DateKeyPress(char32_t key, const std::string& mask);

    // The spinner: a day up or down on a date, one up or down on a number (a text that is
    // neither stays as it is). A unit field never goes below 1.
    void StepDate(int delta, const std::string& dateFormat);
    void StepNumber(int delta);

    // The field's value read as the number it shows: the whole text as a number of the
    // locale (grouping included), else its leading number; in single precision, none when
    // the number is beyond it (applying the field reports that).
    std::optional<float> Value() const;
    void SelectAll();

private:
    // A selection within the text.
    void Clamp();
    void Replace(const std::string& with);
    void SelectOne(int at);

    bool bound_;
};

// The number at the start of a text, "." as the decimal point and blanks ignored; 0 when
// there is none.
double LeadingNumber(const std::string& text);

}  // namespace tesmo
