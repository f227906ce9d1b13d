#pragma once

#include <QColor>
#include <cstdint>

namespace tesmo {

// Colours are RGB with red in the low byte; a negative (system) colour keeps its low 24 bits.
inline QColor ToQColor(std::int32_t color) {
    const auto c = static_cast<std::uint32_t>(color);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

inline std::int32_t FromQColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

}  // namespace tesmo
