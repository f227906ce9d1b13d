#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace tesmo {

// The user's commands: one for each pop-up item, and two that only the window menu has
// (About... and Clear under id 1112).
enum class Command {
    View, Exec, TrackColor, Cancel, Picture, Clear1, ClearPic, Remove, LineDraw, PointDraw, Commit, Topmost1,
    XYStyle, EditScale, Clear2, Topmost2, MapStyle, About, Clear, Count
};

// An item of a pop-up menu: its name, caption and state when the control starts, and the id
// of the window-menu item that is enabled, greyed and checked with it (0: none). A rule has
// no name.
struct PopupItem {
    Command command;
    const char* name;
    const char* caption;
    bool enabled;
    std::int32_t systemId;
};

// An item of the window menu, in the order it is added, after a rule when `rule` is set.
struct SystemItem {
    std::int32_t id;
    Command command;
    const char* caption;
    bool rule;
};

// mnuPopup1 in map mode (MapStyle 0), mnuPopup2 otherwise.
const char* PopupName(std::int32_t mapStyle);
std::span<const PopupItem> PopupItems(std::int32_t mapStyle);
// The window menu's items for the mode (map mode for 0, the chart's for 1, none else).
std::span<const SystemItem> SystemItems(std::int32_t mapStyle);
// The command of a window-menu id, in either mode; none outside 1100 to 1114.
std::optional<Command> CommandOfSystemId(std::int32_t id);

}  // namespace tesmo
