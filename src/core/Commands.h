#pragma once

#include "menus/Menus.h"
#include "tesmo/ucTesmo.h"

namespace tesmo {

// The user's track commands, as the control's menus run them. A disabled command does
// nothing.
class Commands {
public:
    explicit Commands(ucTesmo& control) : c_(control) {}

    const CommandState& State(Command command) const;
    // "View available Tracks".
    void View();
    // "Draw Track": chooses a track and plays it, or pauses / resumes the running playback.
    void Exec();
    // "Cancel drawing in progress".
    void Cancel();
    // "Delete Track...".
    void Remove();

private:
    bool Enabled(Command command) const { return State(command).enabled; }

    ucTesmo& c_;
};

}  // namespace tesmo
