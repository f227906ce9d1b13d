#include "support/NumberFormat.h"

#include <charconv>
#include <cmath>

namespace tesmo {
namespace {

struct Pattern {
    bool grouping = false;
    std::size_t minInteger = 0;
    std::size_t minDecimals = 0;
    std::size_t maxDecimals = 0;
};

Pattern ParsePattern(std::string_view pattern) {
    Pattern p;
    const auto dot = pattern.find('.');
    const auto integer = pattern.substr(0, dot);
    p.grouping = integer.find(',') != std::string_view::npos;
    for (char c : integer) p.minInteger += c == '0';
    if (dot != std::string_view::npos) {
        for (char c : pattern.substr(dot + 1)) {
            p.minDecimals += c == '0';
            p.maxDecimals += c == '0' || c == '#';
        }
    }
    return p;
}

std::string NonFinite(double value) {
    if (std::isnan(value)) return "NaN";
    return value < 0 ? "-Infinity" : "Infinity";
}

// Adds one unit at the last digit of a run of decimal digits; returns the carry out.
bool Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

std::string Group(const std::string& digits, const std::string& separator) {
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern, const NumberSymbols& symbols) {
    if (!std::isfinite(value)) return NonFinite(value);
    const Pattern p = ParsePattern(pattern);

    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto dot = text.find('.');
    std::string integer(text.substr(0, dot));
    std::string fraction(dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1));

    if (fraction.size() > p.maxDecimals) {
        const bool up = fraction[p.maxDecimals] >= '5';
        fraction.resize(p.maxDecimals);
        if (up && Increment(fraction) && Increment(integer)) integer.insert(integer.begin(), '1');
    }
    while (fraction.size() > p.minDecimals && fraction.back() == '0') fraction.pop_back();
    while (fraction.size() < p.minDecimals) fraction += '0';

    const auto firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? std::string{} : integer.substr(firstNonZero);
    const bool isZero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
    if (integer.size() < p.minInteger) integer.insert(0, p.minInteger - integer.size(), '0');

    std::string out;
    if (value < 0 && !isZero) out += '-';
    out += p.grouping ? Group(integer, symbols.group) : integer;
    if (!fraction.empty()) out += symbols.decimal + fraction;
    if (out.empty() || out == "-") out = "0";
    return out;
}

std::string FormatGeneral(double value, int significantDigits, std::string_view decimal) {
    if (!std::isfinite(value)) return NonFinite(value);
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits);
    std::string out;
    for (const char* c = buffer; c != result.ptr; ++c) {
        if (*c == '.')
            out += decimal;
        else if (*c == 'e')
            out += 'E';
        else
            out += *c;
    }
    return out;
}

}  // namespace tesmo
