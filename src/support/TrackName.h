#pragma once

#include <string>

namespace tesmo {

// A track name as typed, given or read from a command line (UTF-8): without the white space
// around it (the Unicode spaces, no-break and ideographic ones too), and empty when nothing
// visible is left (only spaces, format characters such as U+200B, or control characters).
std::string TrackNameOf(const std::string& text);

}  // namespace tesmo
