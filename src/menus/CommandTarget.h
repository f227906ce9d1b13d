#pragma once

#include <cstdint>

#include "menus/MenuTables.h"

namespace tesmo {

// What runs the commands the user picks in the menus: the control.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // `window`: the window whose menu the command was picked in, 0 for the pop-up menu.
    virtual void RunCommand(Command command, std::int64_t window) = 0;
};

}  // namespace tesmo
