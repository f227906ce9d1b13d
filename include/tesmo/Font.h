#pragma once

#include <string>

namespace tesmo {

// The font of the drawing surface, as a host reads and sets it.
struct Font {
    std::string Name = "DejaVu Sans";
    float Size = 8.0f;  // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;

    friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace tesmo
