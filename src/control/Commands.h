#pragma once

#include <cstdint>

#include "menus/Menus.h"
#include "tesmo/ucTesmo.h"

namespace tesmo {

// The user's commands, as the control's menus run them. A disabled command does nothing.
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
    // "Create Track by step", "Create Track by points", "Close and commit new Track".
    void LineDraw();
    void PointDraw();
    void Commit();
    // "Switch to Coordinate System mode", "Switch to Map mode".
    void SwitchToChart();
    void SwitchToMap();

    // The command of a window-menu item, 1100 to 1114 (compared whole); any other id does
    // nothing. Errors of the command reach the caller.
    void DispatchSystemCommand(std::int32_t id);

private:
    bool Enabled(Command command) const { return State(command).enabled; }
    void SwitchMode(Command command, std::int32_t mode);

    ucTesmo& c_;
};

}  // namespace tesmo
