#pragma once

#include <cstdint>
#include <string>

namespace tesmo {

enum class VarType { Empty, Boolean, Integer, Long, Single, Double, Date, String };

// A value that holds a number, a date (a day number: days since 30 December 1899,
// the fraction being the time of day) or a text.
class Variant {
public:
    Variant() = default;
    Variant(bool value) : type_(VarType::Boolean), number_(value ? -1.0 : 0.0) {}
    Variant(std::int16_t value) : type_(VarType::Integer), number_(value) {}
    Variant(std::int32_t value) : type_(VarType::Long), number_(value) {}
    Variant(float value) : type_(VarType::Single), number_(value) {}
    Variant(double value) : type_(VarType::Double), number_(value) {}
    Variant(std::string value) : type_(VarType::String), text_(std::move(value)) {}
    Variant(const char* value) : Variant(std::string(value ? value : "")) {}

    static Variant fromDate(double dayNumber);

    VarType type() const { return type_; }
    bool isEmpty() const { return type_ == VarType::Empty; }

    // The value as a number; a date gives its day number, a text is read as a number or
    // a date in the user's locale. Throws tesmo::Error 13 when there is no number to read.
    double toDouble() const;

    // The text a host would see, in the user's locale.
    std::string toString() const;

    // The number held by a numeric, boolean or date value without conversion (0 otherwise).
    double number() const { return number_; }
    // The text held by a text value ("" otherwise).
    const std::string& text() const { return text_; }

    friend bool operator==(const Variant& a, const Variant& b) {
        return a.type_ == b.type_ && a.number_ == b.number_ && a.text_ == b.text_;
    }

private:
    VarType type_ = VarType::Empty;
    double number_ = 0.0;
    std::string text_;
};

}  // namespace tesmo
