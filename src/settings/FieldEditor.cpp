#include "settings/FieldEditor.h"

#include <algorithm>
#include <cmath>

#include "support/Conversions.h"
#include "support/DateText.h"
#include "support/NumberFormat.h"
#include "support/NumberReading.h"
#include "support/SharedValues.h"

namespace tesmo {
namespace {

constexpr char32_t kBackspace = 8;

bool IsDigit(char32_t key) {
    return key >= '0' && key <= '9';
}

// The two separator places of a date mask ("__/__/____" or "____/__/__") and its end.
struct MaskPlaces {
    int first, second, end;
};

MaskPlaces PlacesOf(const std::string& mask) {
    const auto first = mask.find('/');
    const auto second = first == std::string::npos ? std::string::npos : mask.find('/', first + 1);
    if (second == std::string::npos) return {2, 5, 10};
    return {static_cast<int>(first), static_cast<int>(second), static_cast<int>(mask.size())};
}

std::string Utf8(char32_t key) {
    std::string out;
    if (key < 0x80) {
        out += static_cast<char>(key);
    } else if (key < 0x800) {
        out += static_cast<char>(0xC0 | (key >> 6));
        out += static_cast<char>(0x80 | (key & 0x3F));
    } else if (key < 0x10000) {
        out += static_cast<char>(0xE0 | (key >> 12));
        out += static_cast<char>(0x80 | ((key >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (key & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (key >> 18));
        out += static_cast<char>(0x80 | ((key >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((key >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (key & 0x3F));
    }
    return out;
}

}  // namespace

double LeadingNumber(const std::string& text) {
    std::string plain;
    for (char c : text)
        if (c != ' ' && c != '\t') plain += c;
    return ReadLeadingNumber(plain);
}

std::optional<float> FieldEditor::Value() const {
    // A grouped text ("1,500") is read whole, in either locale.
    const double number = ReadNumberText(text).value_or(LeadingNumber(text));
    if (std::fabs(number) > static_cast<double>(FLT_MAX)) return std::nullopt;
    return static_cast<float>(number);
}

void FieldEditor::SelectAll() {
    start = 0;
    length = static_cast<int>(text.size());
}

void FieldEditor::Clamp() {
    start = std::clamp(start, 0, static_cast<int>(text.size()));
    length = std::clamp(length, 0, static_cast<int>(text.size()) - start);
}

void FieldEditor::Replace(const std::string& with) {
    Clamp();
    text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length), with);
    start += static_cast<int>(with.size());
    length = 0;
}

void FieldEditor::SelectOne(int at) {
    start = std::clamp(at, 0, static_cast<int>(text.size()));
    length = start < static_cast<int>(text.size()) ? 1 : 0;
}

void FieldEditor::PrepareNumberForEdit() {
    if (text.empty()) text = "0";
    if (const auto value = Value()) text = FormatNumber(*value, "0", Shared().Symbols());
    SelectAll();
}

FieldEditor::Typed FieldEditor::NumberKeyPress(char32_t key) {
    Clamp();
    const std::string& decimal = Shared().DecimalSeparator;
    const bool separator = !decimal.empty() && Utf8(key) == decimal;
    const bool minus = key == '-' && bound_;
    if (text.empty()) {
        if (!IsDigit(key) && !minus) return Typed::Refused;
    } else if (key == kBackspace) {
        if (length == 0 && start > 0) {
            // One character back, all of its bytes.
            int back = start - 1;
            while (back > 0 && (static_cast<unsigned char>(text[static_cast<std::size_t>(back)]) & 0xC0) == 0x80) --back;
            length = start - back;
            start = back;
        }
        Replace("");
        return Typed::Taken;
    } else if (!IsDigit(key) && !separator && !minus) {
        return Typed::Refused;
    }
    // The key is tried on a copy: what it would make must still be a number.
    FieldEditor trial = *this;
    trial.Replace(Utf8(key));
    if (trial.text != "-" && !ReadNumberText(trial.text)) return Typed::Refused;
    *this = trial;
    return Typed::Taken;
}

void FieldEditor::FormatNumberField() {
    if (text.empty()) text = "0";
    const auto read = Value();
    if (!read) return;
    const float value = *read;
    const SharedValues& shared = Shared();
    const char* pattern = "0";
    if (value != 0)
        pattern = FormatGeneral(value, 7, shared.DecimalSeparator).find(shared.DecimalSeparator) != std::string::npos
                      ? "0.##"
                      : "#,##0";
    text = FormatNumber(value, pattern, shared.Symbols());
    start = std::min(start, static_cast<int>(text.size()));
    length = 0;
}

void FieldEditor::DateFocusIn() {
    SelectOne(0);
}

void FieldEditor::SelectDateCharacter() {
    SelectOne(start);
    if (length == 1 && text[static_cast<std::size_t>(start)] == '/') SelectOne(start + 1);
}

void FieldEditor::DateTextChanged(const std::string& mask) {
    // Only plain characters make a date; another (pasted) would split under overtyping.
    const auto plain = std::remove_if(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (plain != text.end()) {
        text.erase(plain, text.end());
        Clamp();
    }
    if (text.empty()) {
        text = mask;
        start = length = 0;
    }
}

bool FieldEditor::DateKeyDown(Arrow arrow) {
    const auto isSlash = [&](int at) { return at < static_cast<int>(text.size()) && text[static_cast<std::size_t>(at)] == '/'; };
    if (arrow == Arrow::Right) {
        SelectOne(start + 1);
        if (isSlash(start)) SelectOne(start + 1);
        return true;
    }
    if (start == 0) return false;
    SelectOne(start - 1);
    if (start > 0 && isSlash(start)) SelectOne(start - 1);
    return true;
}

FieldEditor::Typed FieldEditor::DateKeyPress(char32_t key, const std::string& mask) {
    if (!IsDigit(key)) return Typed::Refused;
    Clamp();
    // The mask's own separators are skipped: 2 and 5 in "__/__/____", 4 and 7 in "____/__/__".
    const MaskPlaces places = PlacesOf(mask);
    if (length > 2) {
        text = mask;
        SelectOne(start < places.first ? 0 : start < places.second ? places.first + 1 : places.second + 1);
    } else if (length == 0) {
        if (start >= places.end) return Typed::Taken;
        if (start == places.first || start == places.second) ++start;
        SelectOne(start);
    }
    Replace(Utf8(key));
    if (start >= places.end) return Typed::Complete;
    if (start == places.first || start == places.second) ++start;
    SelectOne(start);
    return Typed::Taken;
}

void FieldEditor::StepDate(int delta, const std::string& dateFormat) {
    const auto day = ReadDateText(text);
    if (!day) return;
    // At either end of the calendar the date stays.
    if (std::string stepped = FormatDate(std::floor(*day) + delta, dateFormat); !stepped.empty()) text = std::move(stepped);
    Clamp();
}

void FieldEditor::StepNumber(int delta) {
    if (const auto number = ReadNumberText(text)) text = FormatGeneral(*number + delta, 15, Shared().DecimalSeparator);
    if (!bound_ && !(LeadingNumber(text) > 0)) text = "1";
    // A shorter text keeps the caret where it was, as far as the text goes.
    Clamp();
}

}  // namespace tesmo
