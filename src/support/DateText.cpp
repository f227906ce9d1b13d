#include "support/DateText.h"

#include <array>
#include <cctype>
#include <vector>

#include "support/DayNumber.h"

namespace tesmo {
namespace {

std::string TwoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10 % 10)) + static_cast<char>('0' + value % 10);
}

struct Token {
    std::string text;
    bool numeric = false;
};

bool IsSeparator(char c) {
    return c == '/' || c == '-' || c == '.' || c == ' ' || c == ',';
}

std::vector<Token> Tokenize(std::string_view text) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsSeparator(text[i])) {
            ++i;
            continue;
        }
        const bool digit = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
        Token token{{}, digit};
        while (i < text.size() && !IsSeparator(text[i])) {
            const bool d = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
            const bool a = std::isalpha(static_cast<unsigned char>(text[i])) != 0;
            if ((digit && !d) || (!digit && !a)) return {};
            token.text += text[i++];
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

int MonthOfName(const std::string& name) {
    static constexpr std::array<std::string_view, 12> kMonths = {
        "january", "february", "march", "april", "may", "june",
        "july", "august", "september", "october", "november", "december"};
    if (name.size() < 3) return 0;
    std::string lower;
    for (char c : name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::size_t m = 0; m < kMonths.size(); ++m) {
        if (kMonths[m].substr(0, lower.size()) == lower) return static_cast<int>(m) + 1;
    }
    return 0;
}

int Number(const std::string& digits) {
    if (digits.empty() || digits.size() > 4) return -1;
    return std::stoi(digits);
}

int FullYear(const std::string& digits) {
    const int y = Number(digits);
    if (y < 0) return -1;
    if (digits.size() <= 2) return y < 30 ? 2000 + y : 1900 + y;
    return y;
}

std::optional<double> Civil(int year, int month, int day) {
    if (!IsValidCivil(year, month, day)) return std::nullopt;
    return DayNumberFromCivil(year, month, day);
}

std::optional<double> InOrder(const std::array<std::string, 3>& p, DateOrder order) {
    switch (order) {
        case DateOrder::DayFirst: return Civil(FullYear(p[2]), Number(p[1]), Number(p[0]));
        case DateOrder::MonthFirst: return Civil(FullYear(p[2]), Number(p[0]), Number(p[1]));
        case DateOrder::YearFirst: return Civil(FullYear(p[0]), Number(p[1]), Number(p[2]));
    }
    return std::nullopt;
}

std::optional<double> NumericDate(const std::array<std::string, 3>& parts, DateOrder order) {
    if (parts[0].size() >= 3) return InOrder(parts, DateOrder::YearFirst);
    if (auto d = InOrder(parts, order)) return d;
    for (DateOrder other : {DateOrder::DayFirst, DateOrder::MonthFirst, DateOrder::YearFirst}) {
        if (other == order) continue;
        if (auto d = InOrder(parts, other)) return d;
    }
    return std::nullopt;
}

std::optional<double> NamedMonthDate(const std::vector<Token>& t) {
    std::size_t nameAt = 3;
    for (std::size_t i = 0; i < 3; ++i) {
        if (!t[i].numeric) {
            if (nameAt != 3) return std::nullopt;
            nameAt = i;
        }
    }
    const int month = nameAt == 3 ? 0 : MonthOfName(t[nameAt].text);
    if (month == 0) return std::nullopt;
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i < 3; ++i)
        if (i != nameAt) numbers.push_back(t[i].text);
    // "1999 Mar 31" puts the year first; otherwise the day comes before the year.
    if (numbers[0].size() >= 3) return Civil(FullYear(numbers[0]), month, Number(numbers[1]));
    return Civil(FullYear(numbers[1]), month, Number(numbers[0]));
}

// Reads "hh:mm[:ss][ AM|PM]" at the end of the text; returns the fraction of a day.
std::optional<double> ReadTime(std::string_view text) {
    std::array<int, 3> hms{0, 0, 0};
    std::size_t field = 0, i = 0;
    bool any = false;
    for (; i < text.size() && text[i] != ' '; ++i) {
        const char c = text[i];
        if (c == ':') {
            if (!any || ++field > 2) return std::nullopt;
            any = false;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            hms[field] = hms[field] * 10 + (c - '0');
            if (hms[field] > 99) return std::nullopt;
            any = true;
        } else {
            return std::nullopt;
        }
    }
    if (!any || field == 0) return std::nullopt;
    while (i < text.size() && text[i] == ' ') ++i;
    std::string suffix;
    for (; i < text.size(); ++i) suffix += static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
    if (!suffix.empty()) {
        if ((suffix != "AM" && suffix != "PM") || hms[0] < 1 || hms[0] > 12) return std::nullopt;
        hms[0] = hms[0] % 12 + (suffix == "PM" ? 12 : 0);
    }
    if (hms[0] > 23 || hms[1] > 59 || hms[2] > 59) return std::nullopt;
    return (hms[0] * 3600.0 + hms[1] * 60.0 + hms[2]) / 86400.0;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

std::string FormatDate(double dayNumber, std::string_view pattern) {
    if (!IsValidDayNumber(dayNumber)) return {};
    const CivilDate c = CivilFromDayNumber(dayNumber);
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        const auto rest = pattern.substr(i);
        if (rest.starts_with("yyyy")) {
            out += std::to_string(c.year);
            i += 4;
        } else if (rest.starts_with("yy")) {
            out += TwoDigits(c.year % 100);
            i += 2;
        } else if (rest.starts_with("mm")) {
            out += TwoDigits(c.month);
            i += 2;
        } else if (rest.starts_with("dd")) {
            out += TwoDigits(c.day);
            i += 2;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

DateOrder OrderOfPattern(std::string_view pattern) {
    if (pattern.starts_with("mm")) return DateOrder::MonthFirst;
    if (pattern.starts_with("yy")) return DateOrder::YearFirst;
    return DateOrder::DayFirst;
}

std::optional<double> ReadDate(std::string_view text, DateOrder order) {
    text = Trim(text);
    double time = 0.0;
    if (const auto colon = text.find(':'); colon != std::string_view::npos) {
        auto start = text.rfind(' ', colon);
        start = start == std::string_view::npos ? 0 : start + 1;
        const auto t = ReadTime(text.substr(start));
        if (!t) return std::nullopt;
        time = *t;
        text = Trim(text.substr(0, start));
    }
    const std::vector<Token> tokens = Tokenize(text);
    if (tokens.size() != 3) return std::nullopt;
    std::optional<double> day;
    if (tokens[0].numeric && tokens[1].numeric && tokens[2].numeric)
        day = NumericDate({tokens[0].text, tokens[1].text, tokens[2].text}, order);
    else
        day = NamedMonthDate(tokens);
    if (!day) return std::nullopt;
    return *day >= 0 ? *day + time : *day - time;
}

}  // namespace tesmo
