#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "menus/MenuTables.h"

namespace tesmo {

struct ControlState;
class WindowSystem;
class CommandTarget;

struct CommandState {
    std::string caption;
    bool enabled = true;
    bool checked = false;
};

// The commands' captions, enabled states and check marks as the control computes them, and
// the window menu that mirrors them: a pop-up item and its window-menu item are always
// enabled, greyed and checked together.
class Menus {
public:
    Menus(ControlState& state, WindowSystem& windows, CommandTarget& target);
    // The registry never keeps a control that is gone.
    ~Menus();
    Menus(const Menus&) = delete;
    Menus& operator=(const Menus&) = delete;

    const CommandState& State(Command command) const { return commands_[static_cast<std::size_t>(command)]; }

    // Every pop-up item back to its own caption, but "Draw Track" during a playback.
    void AssignCaptions();
    // Registers the control's window and builds its window menu for the mode.
    void SetUpMenus();
    // The control now lives in another window (it was put in its window after it started,
    // say): the menus move there.
    void FollowWindow();
    // The top-level window that holds the control, 0 when none.
    std::int64_t FindParentWindow();
    // Captions and enabled states that follow the playback (nothing without EnableMenu).
    void RefreshPlaybackCommands();
    // Greys the commands that need the track database.
    void DisableTrackCommands();
    // The database can be used again: the track commands come back as the rules say.
    void EnableTrackCommands();
    // The caption of "Draw Track" and of its window-menu item.
    void SetExecCaption(const std::string& caption);
    // While a new track is being created, only its commit is available of the commands
    // that draw or create tracks; afterwards they come back as the playback and the
    // database allow, and the commit goes.
    void ShowCreation(bool creating);
    // Opens the pop-up menu of the current mode at a surface position and runs the command
    // picked.
    void ShowPopup(float x, float y);

    // The window menu of `parent` made anew for a mode, and the window hooked.
    void RebuildSystemMenu(std::int64_t parent, std::int32_t mode);
    void HookParent(std::int64_t parent);
    void UnhookParent(std::int64_t parent);
    // Unhooks the window and gives it back its own menu.
    void DetachParent(std::int64_t parent);
    // "Always on top", picked in `window`'s menu or (window 0) in the pop-up menu.
    void ToggleTopmost(std::int64_t window);
    // At shutdown: the hooks and records of this control go, the registry with the last.
    void ReleaseParent();
    // "Always on top" as the control's window is now: any of its controls may have put it
    // in the band or taken it out.
    void FollowWindowTopmost();

private:
    CommandState& at(Command command) { return commands_[static_cast<std::size_t>(command)]; }
    // The pairing rule: the pop-up item and its window-menu item.
    void Enable(Command command, bool enabled);
    // The window-menu items of the current mode take the states of their pop-up items.
    void MirrorStates(std::int64_t parent, std::int32_t mode);
    // True when this control registered the window last.
    bool Owns(std::int64_t parent);
    // The window whose menu mirrors this control's commands: ParentWindow while the control
    // owns it, else none (another control registered it since).
    std::int64_t MenuWindow();
    // Unhooks and unregisters the windows of this control but `kept` (every one without it),
    // giving them back their own menus when asked.
    void LeaveWindowsBut(std::optional<std::int64_t> kept, bool resetMenus);

    ControlState& s_;
    WindowSystem& windows_;
    CommandTarget& target_;
    std::array<CommandState, static_cast<std::size_t>(Command::Count)> commands_;
};

}  // namespace tesmo
