#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tesmo {

struct ControlState;

// The user's commands, one for each item of the two pop-up menus.
enum class Command {
    View, Exec, TrackColor, Cancel, Picture, Clear1, ClearPic, Remove, LineDraw, PointDraw, Commit, Topmost1,
    XYStyle, EditScale, Clear2, Topmost2, MapStyle, Count
};

struct CommandState {
    std::string caption;
    bool enabled = true;
    bool checked = false;
};

// The commands' captions and enabled states as the control computes them; the menus show
// them. The pop-up and window menus themselves are not built yet: the calls that concern
// only them change nothing, and no parent window is ever found.
class Menus {
public:
    explicit Menus(const ControlState& state);

    const CommandState& State(Command command) const { return commands_[static_cast<std::size_t>(command)]; }

    // Captions and enabled states that follow the playback (nothing without EnableMenu).
    void RefreshPlaybackCommands();
    // Greys the commands that need the track database.
    void DisableTrackCommands();
    // The caption of the "Draw Track" command.
    void SetExecCaption(const std::string& caption);
    // While a new track is being created, only its commit is available of the commands
    // that draw or create tracks; afterwards they all are again and the commit is not.
    void ShowCreation(bool creating);

    std::int64_t FindParentWindow() { return 0; }
    void RebuildSystemMenu(std::int64_t, int) {}
    void SetUpMenus() {}
    void DetachParent() {}
    void AssignCaptions() {}
    // Opens the pop-up menu of the current mode at a surface position.
    void ShowPopup(float, float) {}

private:
    CommandState& at(Command command) { return commands_[static_cast<std::size_t>(command)]; }

    const ControlState& s_;
    std::array<CommandState, static_cast<std::size_t>(Command::Count)> commands_;
};

}  // namespace tesmo
