#include "menus/Menus.h"

#include "core/ControlState.h"

namespace tesmo {

Menus::Menus(const ControlState& state) : s_(state) {
    const struct {
        Command command;
        const char* caption;
        bool enabled;
    } items[] = {
        {Command::View, "View available Tracks", true},
        {Command::Exec, "Draw Track", true},
        {Command::TrackColor, "Set drawing color", true},
        {Command::Cancel, "Cancel drawing in progress", false},
        {Command::Picture, "Set Picture...", true},
        {Command::Clear1, "Clear all Tracks", true},
        {Command::ClearPic, "Remove Picture", true},
        {Command::Remove, "Delete Track...", true},
        {Command::LineDraw, "Create Track by step", true},
        {Command::PointDraw, "Create Track by points", true},
        {Command::Commit, "Close and commit new Track", false},
        {Command::Topmost1, "Always on top", true},
        {Command::XYStyle, "Switch to Coordinate System mode", true},
        {Command::EditScale, "Coordinate System settings", true},
        {Command::Clear2, "Clear Chart", true},
        {Command::Topmost2, "Always on top", true},
        {Command::MapStyle, "Switch to Map mode", true},
    };
    for (const auto& item : items) at(item.command) = {item.caption, item.enabled, false};
}

void Menus::RefreshPlaybackCommands() {
    if (!s_.EnableMenu) return;
    if (!s_.Drawing)
        at(Command::Exec).caption = "Execute Track drawing";
    else if (!s_.Paused)
        at(Command::Exec).caption = "Abort drawing in progress";
    for (Command c : {Command::View, Command::Remove, Command::LineDraw, Command::PointDraw, Command::XYStyle})
        at(c).enabled = !s_.Drawing;
    at(Command::Cancel).enabled = s_.Drawing;
}

void Menus::DisableTrackCommands() {
    for (Command c : {Command::Exec, Command::View, Command::Cancel, Command::Remove, Command::LineDraw,
                      Command::PointDraw})
        at(c).enabled = false;
}

void Menus::SetExecCaption(const std::string& caption) {
    at(Command::Exec).caption = caption;
}

void Menus::ShowCreation(bool creating) {
    // After a creation the commands come back as the playback and the database allow.
    at(Command::Exec).enabled = !creating && !s_.DbFailed;
    for (Command c : {Command::LineDraw, Command::PointDraw}) at(c).enabled = !creating && !s_.Drawing && !s_.DbFailed;
    at(Command::Commit).enabled = creating;
}

}  // namespace tesmo
