#pragma once

#include <cstdint>

#include "menus/Menus.h"
#include "tesmo/ucTesmo.h"

namespace tesmo {

// The user's commands, as the control's menus run them.
class Commands {
public:
    explicit Commands(ucTesmo& control) : c_(control) {}

    const CommandState& State(Command command) const;
    // Runs a command as a pick in a menu does; a disabled command does nothing. `window`:
    // the window whose menu it was picked in (0: the pop-up menu). Errors reach the caller.
    void Run(Command command, std::int64_t window = 0);
    // The command of a window-menu item, 1100 to 1114 (compared whole); any other id does
    // nothing.
    void DispatchSystemCommand(std::int32_t id);

private:
    void SwitchMode(std::int32_t mode);
    // "Set Picture...": a picture file chosen by the user under the drawing.
    void SetPicture();
    // "Remove Picture", once the user confirms.
    void RemovePicture();

    ucTesmo& c_;
};

}  // namespace tesmo
