#include "support/TrackName.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tesmo {
namespace {

// The white space of Unicode (Zs, and the separators and controls counted as space).
bool IsSpace(char32_t c) {
    return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// Characters that show nothing: controls, format characters and the other code points
// Unicode lets a renderer ignore (fillers, variation selectors, tags).
bool IsInvisible(char32_t c) {
    static constexpr std::pair<char32_t, char32_t> kInvisible[] = {
        {0x0000, 0x001F},   {0x007F, 0x009F},   {0x00AD, 0x00AD},   {0x034F, 0x034F},   {0x0600, 0x0605},
        {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},   {0x08E2, 0x08E2},   {0x115F, 0x1160},
        {0x17B4, 0x17B5},   {0x180B, 0x180F},   {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x206F},
        {0x3164, 0x3164},   {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},   {0xFFF0, 0xFFFB},
        {0x110BD, 0x110BD}, {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A},
        {0xE0000, 0xE0FFF}};
    return IsSpace(c) || std::any_of(std::begin(kInvisible), std::end(kInvisible),
                                     [c](const auto& range) { return c >= range.first && c <= range.second; });
}

// The code point starting at `at`, and its length in bytes; a byte that starts no valid
// sequence (overlong, a surrogate, past U+10FFFF) stands for itself, visible.
std::pair<char32_t, std::size_t> CodePointAt(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || at + length > text.size()) return {0xFFFD, 1};
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return {0xFFFD, 1};
        c = c << 6 | (byte(at + i) & 0x3F);
    }
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kShortest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return {0xFFFD, 1};
    return {c, length};
}

}  // namespace

std::string TrackNameOf(const std::string& text) {
    std::size_t first = text.size(), end = 0;
    bool visible = false;
    for (std::size_t at = 0; at < text.size();) {
        const auto [c, length] = CodePointAt(text, at);
        if (!IsSpace(c)) {
            first = std::min(first, at);
            end = at + length;
        }
        visible = visible || !IsInvisible(c);
        at += length;
    }
    return visible ? text.substr(first, end - first) : std::string();
}

}  // namespace tesmo
