#pragma once

#include <cstdint>
#include <string>

namespace tesmo {

// The platform's common dialogs.
class CommonDialogs {
public:
    virtual ~CommonDialogs() = default;
    // The colour the user chooses (RGB, red in the low byte), starting at `initial`; -1
    // when the user cancels.
    virtual std::int32_t ShowColorDialog(std::int32_t initial, const std::string& title) = 0;
};

}  // namespace tesmo
