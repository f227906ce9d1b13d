#pragma once

#include <Qt>
#include <cstdint>

namespace tesmo {

// The control's codes of mouse buttons (1 left, 2 right, 4 middle) and of the keys held
// with them (1 Shift, 2 Ctrl, 4 Alt), added together.
inline std::int16_t ButtonCode(Qt::MouseButtons buttons) {
    return static_cast<std::int16_t>((buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
                                     (buttons & Qt::MiddleButton ? 4 : 0));
}

inline std::int16_t ShiftCode(Qt::KeyboardModifiers keys) {
    return static_cast<std::int16_t>((keys & Qt::ShiftModifier ? 1 : 0) | (keys & Qt::ControlModifier ? 2 : 0) |
                                     (keys & Qt::AltModifier ? 4 : 0));
}

}  // namespace tesmo
