#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <cstddef>
#include <iterator>
#include <cstdint>

namespace tesmo {

// Colours are RGB with red in the low byte; a negative (system) colour keeps its low 24 bits.
inline QColor ToQColor(std::int32_t color) {
    const auto c = static_cast<std::uint32_t>(color);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

// A colour as it shows now: a system colour (0x80000000 and the platform's index of a
// screen element) as the application palette's colour for that element.
inline QColor ShownColor(std::int32_t color) {
    if (color >= 0) return ToQColor(color);
    using R = QPalette::ColorRole;
    static constexpr R kRoles[] = {R::Button,          R::Dark,         R::Highlight,   R::Mid,
                                   R::Window,          R::Base,         R::Shadow,      R::WindowText,
                                   R::Text,            R::HighlightedText, R::Window,   R::Window,
                                   R::Dark,            R::Highlight,    R::HighlightedText, R::Button,
                                   R::Dark,            R::PlaceholderText, R::ButtonText, R::Mid,
                                   R::Light,           R::Shadow,       R::Midlight,    R::ToolTipText,
                                   R::ToolTipBase};
    const auto index = static_cast<std::size_t>(color & 0xFF);
    if ((color & 0x7FFFFF00) != 0 || index >= std::size(kRoles)) return ToQColor(color);
    return QGuiApplication::palette().color(kRoles[index]);
}

inline std::int32_t FromQColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

}  // namespace tesmo
