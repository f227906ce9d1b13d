#include "menus/MenuTables.h"

namespace tesmo {
namespace {

constexpr PopupItem kRule{Command::Count, nullptr, nullptr, false, 0};

constexpr PopupItem kMapPopup[] = {
    {Command::View, "mnuView", "View available Tracks", true, 1101},
    kRule,
    {Command::Exec, "mnuExec", "Draw Track", true, 1102},
    {Command::TrackColor, "mnuTrackcolor", "Set drawing color", true, 0},
    {Command::Cancel, "mnuCancel", "Cancel drawing in progress", false, 1103},
    {Command::Picture, "mnuPicture", "Set Picture...", true, 1106},
    kRule,
    {Command::Clear1, "mnuClear1", "Clear all Tracks", true, 1104},
    {Command::ClearPic, "mnuClearPic", "Remove Picture", true, 0},
    {Command::Remove, "mnuRemove", "Delete Track...", true, 1105},
    kRule,
    {Command::LineDraw, "mnuLineDraw", "Create Track by step", true, 1107},
    {Command::PointDraw, "mnuPointDraw", "Create Track by points", true, 1108},
    {Command::Commit, "mnuCommit", "Close and commit new Track", false, 1109},
    kRule,
    {Command::Topmost1, "mnuTopmost1", "Always on top", true, 1114},
    kRule,
    {Command::XYStyle, "mnuXYStyle", "Switch to Coordinate System mode", true, 1111},
};

constexpr PopupItem kChartPopup[] = {
    {Command::EditScale, "mnuEditScale", "Coordinate System settings", true, 1110},
    {Command::Clear2, "mnuClear2", "Clear Chart", true, 1104},
    kRule,
    {Command::Topmost2, "mnuTopmost2", "Always on top", true, 1114},
    kRule,
    {Command::MapStyle, "mnuMapStyle", "Switch to Map mode", true, 1113},
};

constexpr SystemItem kMapSystem[] = {
    {1100, Command::About, "About...", true},
    {1101, Command::View, "View available Tracks", true},
    {1102, Command::Exec, "Draw Track", false},
    {1103, Command::Cancel, "Cancel drawing in progress", false},
    {1104, Command::Clear1, "Clear all tracks", true},
    {1105, Command::Remove, "Delete Track...", false},
    {1106, Command::Picture, "Set Picture...", false},
    {1107, Command::LineDraw, "Create Track by step", true},
    {1108, Command::PointDraw, "Create Track by points", false},
    {1109, Command::Commit, "Close and commit new Track", false},
    {1114, Command::Topmost1, "Always on top", true},
    {1111, Command::XYStyle, "Switch to Coordinate System mode", true},
};

constexpr SystemItem kChartSystem[] = {
    {1100, Command::About, "About...", true},
    {1110, Command::EditScale, "Coordinate System settings", true},
    {1104, Command::Clear2, "Clear Chart", false},
    {1114, Command::Topmost2, "Always on top", true},
    {1113, Command::MapStyle, "Switch to Map mode", true},
};

}  // namespace

const char* PopupName(std::int32_t mapStyle) {
    return mapStyle == 0 ? "mnuPopup1" : "mnuPopup2";
}

std::span<const PopupItem> PopupItems(std::int32_t mapStyle) {
    if (mapStyle == 0) return kMapPopup;
    return kChartPopup;
}

std::span<const SystemItem> SystemItems(std::int32_t mapStyle) {
    if (mapStyle == 0) return kMapSystem;
    if (mapStyle == 1) return kChartSystem;
    return {};
}

std::optional<Command> CommandOfSystemId(std::int32_t id) {
    // 1112 clears like 1104 but has no item.
    if (id == 1112) return Command::Clear;
    for (std::int32_t mode : {0, 1})
        for (const SystemItem& item : SystemItems(mode))
            if (item.id == id) return item.command;
    return std::nullopt;
}

}  // namespace tesmo
