#include "support/NumberReading.h"

#include <cctype>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace tesmo {
namespace {

// An exponent beyond every long long: the number is beyond a double whatever its digits.
constexpr long long kHugeExponent = 1LL << 40;

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::optional<double> Parse(const std::string& plain) {
    double value = 0.0;
    const char* first = plain.data();
    if (!plain.empty() && plain.front() == '+') ++first;
    const auto result = std::from_chars(first, plain.data() + plain.size(), value);
    if (result.ec != std::errc{} || result.ptr != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A number form from_chars finds beyond a double: too large (an infinity of its sign) when
// its decimal magnitude is positive, else too small (zero).
double BeyondDouble(const std::string& plain) {
    const std::size_t e = plain.find('e');
    const std::string_view mantissa = std::string_view(plain).substr(0, e);
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return 0.0;
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    long long magnitude = first < point ? static_cast<long long>(point - first) : -static_cast<long long>(first - point) + 1;
    if (e != std::string::npos) {
        const char* from = plain.data() + e + 1;
        if (*from == '+') ++from;
        long long exponent = 0;
        if (std::from_chars(from, plain.data() + plain.size(), exponent).ec != std::errc{})
            exponent = *from == '-' ? -kHugeExponent : kHugeExponent;
        magnitude += std::clamp(exponent, -kHugeExponent, kHugeExponent);
    }
    if (magnitude <= 0) return 0.0;
    return plain.front() == '-' ? -HUGE_VAL : HUGE_VAL;
}

// The text as from_chars reads it ("-12.5e3"), or nothing when it is no number.
std::optional<std::string> PlainNumber(std::string_view text, const NumberSymbols& symbols) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);

    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    bool digits = false, decimal = false;
    while (i < text.size()) {
        const auto rest = text.substr(i);
        if (IsDigit(text[i])) {
            plain += text[i++];
            digits = true;
        } else if (!decimal && !symbols.decimal.empty() && rest.starts_with(symbols.decimal)) {
            plain += '.';
            decimal = true;
            i += symbols.decimal.size();
        } else if (!decimal && digits && !symbols.group.empty() && rest.starts_with(symbols.group) &&
                   i + symbols.group.size() < text.size() && IsDigit(text[i + symbols.group.size()])) {
            i += symbols.group.size();
        } else {
            break;
        }
    }
    if (!digits) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        bool exponentDigits = false;
        while (i < text.size() && IsDigit(text[i])) {
            plain += text[i++];
            exponentDigits = true;
        }
        if (!exponentDigits) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    return plain;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text, const NumberSymbols& symbols) {
    const auto plain = PlainNumber(text, symbols);
    return plain ? Parse(*plain) : std::nullopt;
}

std::optional<double> ReadNumberForm(std::string_view text, const NumberSymbols& symbols) {
    const auto plain = PlainNumber(text, symbols);
    if (!plain) return std::nullopt;
    if (const auto value = Parse(*plain)) return value;
    return BeyondDouble(*plain);
}

double ReadLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::string plain;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    bool decimal = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            plain += text[i];
        } else if (text[i] == '.' && !decimal) {
            plain += '.';
            decimal = true;
        } else {
            break;
        }
    }
    if (plain.empty() || plain == "+" || plain == "-" || plain == "." || plain == "-." || plain == "+.") return 0.0;
    if (plain.back() == '.') plain.pop_back();
    if (const auto value = Parse(plain)) return *value;
    return BeyondDouble(plain);
}

}  // namespace tesmo
