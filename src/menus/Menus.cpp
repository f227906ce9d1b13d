#include "menus/Menus.h"

#include <optional>
#include <vector>

#include "core/ControlState.h"
#include "menus/clsControls.h"
#include "surface/WindowSystem.h"

namespace tesmo {
namespace {

constexpr std::int32_t kExecId = 1102;
constexpr std::int32_t kTopmostId = 1114;

std::int32_t SystemIdOf(Command command) {
    for (std::int32_t mode : {0, 1})
        for (const PopupItem& item : PopupItems(mode))
            if (item.name && item.command == command) return item.systemId;
    return 0;
}

}  // namespace

Menus::Menus(ControlState& state, WindowSystem& windows, CommandTarget& target)
    : s_(state), windows_(windows), target_(target) {
    for (std::int32_t mode : {0, 1})
        for (const PopupItem& item : PopupItems(mode))
            if (item.name) at(item.command) = {item.caption, item.enabled, false};
}

Menus::~Menus() {
    ReleaseParent();
}

void Menus::AssignCaptions() {
    for (std::int32_t mode : {0, 1})
        for (const PopupItem& item : PopupItems(mode))
            // "Draw Track" reads as the playback under way says.
            if (item.name && !(item.command == Command::Exec && s_.Drawing)) at(item.command).caption = item.caption;
}

std::int64_t Menus::FindParentWindow() {
    return windows_.ParentWindow();
}

void Menus::SetUpMenus() {
    if (!s_.EnableMenu) return;
    s_.ParentWindow = FindParentWindow();
    FollowWindowTopmost();
    auto& registry = WindowRegistry();
    if (!registry) registry = std::make_shared<clsControls>();
    registry->Add(windows_.SurfaceWindow(), s_.ParentWindow, windows_);
    if (s_.ParentWindow == 0) return;
    if (s_.MapStyle != 0) {
        RebuildSystemMenu(s_.ParentWindow, 1);
    } else {
        RebuildSystemMenu(s_.ParentWindow, 0);
        RefreshPlaybackCommands();
        if (s_.DbFailed) DisableTrackCommands();
        // A creation armed before goes on: the commands show it.
        if (s_.ByStep || s_.ByPoints) ShowCreation(true);
    }
    if (s_.Topmost) {
        at(Command::Topmost1).checked = at(Command::Topmost2).checked = true;
        windows_.SetTopmostWindow(s_.ParentWindow, true);
        windows_.CheckMenuItem(s_.ParentWindow, kTopmostId, true);
    }
}

void Menus::FollowWindow() {
    if (!s_.EnableMenu || FindParentWindow() == s_.ParentWindow) return;
    DetachParent(s_.ParentWindow);
    ReleaseParent();
    SetUpMenus();
}

void Menus::RefreshPlaybackCommands() {
    if (!s_.EnableMenu) return;
    if (!s_.Drawing) {
        at(Command::Exec).caption = "Execute Track drawing";
        windows_.SetMenuItemCaption(MenuWindow(), kExecId, "Execute Track drawing...");
    } else if (!s_.Paused) {
        SetExecCaption("Abort drawing in progress");
    }
    // The track commands stay greyed while the database cannot be used.
    for (Command c : {Command::View, Command::Remove, Command::LineDraw, Command::PointDraw})
        Enable(c, !s_.Drawing && !s_.DbFailed);
    Enable(Command::XYStyle, !s_.Drawing);
    Enable(Command::Cancel, s_.Drawing);
}

void Menus::DisableTrackCommands() {
    for (Command c : {Command::Exec, Command::View, Command::Cancel, Command::Remove, Command::LineDraw,
                      Command::PointDraw})
        Enable(c, false);
}

void Menus::EnableTrackCommands() {
    Enable(Command::Exec, !s_.ByStep && !s_.ByPoints);
    RefreshPlaybackCommands();
}

void Menus::SetExecCaption(const std::string& caption) {
    at(Command::Exec).caption = caption;
    windows_.SetMenuItemCaption(MenuWindow(), kExecId, caption);
}

void Menus::ShowCreation(bool creating) {
    Enable(Command::Exec, !creating && !s_.DbFailed);
    for (Command c : {Command::LineDraw, Command::PointDraw}) Enable(c, !creating && !s_.Drawing && !s_.DbFailed);
    Enable(Command::Commit, creating);
}

void Menus::FollowWindowTopmost() {
    if (s_.ParentWindow == 0) return;
    s_.Topmost = windows_.IsTopmostWindow(s_.ParentWindow);
    at(Command::Topmost1).checked = at(Command::Topmost2).checked = s_.Topmost;
}

void Menus::ShowPopup(float x, float y) {
    if (!s_.EnableMenu) return;
    FollowWindowTopmost();
    const auto items = PopupItems(s_.MapStyle);
    PopupMenu menu;
    menu.name = PopupName(s_.MapStyle);
    for (const PopupItem& item : items) {
        if (!item.name) {
            menu.items.push_back({});
            continue;
        }
        const CommandState& state = State(item.command);
        if (item.command == Command::Exec) menu.defaultItem = static_cast<int>(menu.items.size());
        menu.items.push_back({item.name, state.caption, state.enabled, state.checked});
    }
    const int picked = windows_.ShowPopup(menu, x, y);
    if (picked < 0 || picked >= static_cast<int>(items.size()) || !items[static_cast<std::size_t>(picked)].name)
        return;
    target_.RunCommand(items[static_cast<std::size_t>(picked)].command, 0);
}

void Menus::Enable(Command command, bool enabled) {
    at(command).enabled = enabled;
    if (const std::int32_t id = SystemIdOf(command)) windows_.EnableMenuItem(MenuWindow(), id, enabled);
}

void Menus::MirrorStates(std::int64_t parent, std::int32_t mode) {
    FollowWindowTopmost();
    for (const SystemItem& item : SystemItems(mode)) {
        if (item.command == Command::About) continue;
        windows_.EnableMenuItem(parent, item.id, State(item.command).enabled);
    }
    windows_.CheckMenuItem(parent, kTopmostId, s_.Topmost);
    if (s_.Drawing) windows_.SetMenuItemCaption(parent, kExecId, State(Command::Exec).caption);
}

void Menus::RebuildSystemMenu(std::int64_t parent, std::int32_t mode) {
    UnhookParent(parent);
    windows_.ResetMenu(parent);
    for (const SystemItem& item : SystemItems(mode)) windows_.AddMenuItem(parent, item.id, item.caption, item.rule);
    // The items come in enabled; a command greyed before (a creation under way, say) stays so.
    MirrorStates(parent, mode);
    HookParent(parent);
}

std::int64_t Menus::MenuWindow() {
    return Owns(s_.ParentWindow) ? s_.ParentWindow : 0;
}

bool Menus::Owns(std::int64_t parent) {
    const auto& registry = WindowRegistry();
    const tyControl* record = registry ? registry->Item(KeyOf(parent)) : nullptr;
    return record && record->hWnd == windows_.SurfaceWindow();
}

void Menus::HookParent(std::int64_t parent) {
    if (parent == 0) return;
    auto& registry = WindowRegistry();
    if (!registry) registry = std::make_shared<clsControls>();
    // A window found anew (the control moved) is registered before it is hooked, and the
    // windows the control left keep nothing of it.
    if (!Owns(parent)) {
        LeaveWindowsBut(parent, true);
        registry->Add(windows_.SurfaceWindow(), parent, windows_);
    }
    registry->Item(KeyOf(parent))->DefWndProc = windows_.InstallHook(parent);
    registry->SetTarget(windows_.SurfaceWindow(), &target_);
}

void Menus::UnhookParent(std::int64_t parent) {
    // Another control that registered the window since owns its hook.
    if (!Owns(parent)) return;
    tyControl* record = WindowRegistry()->Item(KeyOf(parent));
    if (record->DefWndProc == 0) return;
    windows_.RemoveHook(parent, record->DefWndProc);
    record->DefWndProc = 0;
}

void Menus::DetachParent(std::int64_t parent) {
    if (parent == 0 || !Owns(parent)) return;
    UnhookParent(parent);
    windows_.ResetMenu(parent);
}

void Menus::ToggleTopmost(std::int64_t window) {
    if (window >= 1 && window != s_.ParentWindow) s_.ParentWindow = window;
    FollowWindowTopmost();
    s_.Topmost = !s_.Topmost;
    at(Command::Topmost1).checked = at(Command::Topmost2).checked = s_.Topmost;
    // The band and the mark are the window's, whichever of its controls owns its menu.
    windows_.CheckMenuItem(s_.ParentWindow, kTopmostId, s_.Topmost);
    windows_.SetTopmostWindow(s_.ParentWindow, s_.Topmost);
    const auto registry = WindowRegistry();
    if (!registry) return;
    // Each window takes the band its own check mark says: first out, then in.
    for (const bool topmost : {false, true})
        for (const tyControl* record : registry->Records())
            if (record->Parent_hwnd != s_.ParentWindow &&
                windows_.IsMenuItemChecked(record->Parent_hwnd, kTopmostId) == topmost)
                windows_.SetTopmostWindow(record->Parent_hwnd, topmost);
}

void Menus::ReleaseParent() {
    // The windows keep the items added to their menus; they reach no control any more.
    LeaveWindowsBut(std::nullopt, false);
    auto& registry = WindowRegistry();
    if (!registry) return;
    registry->SetTarget(windows_.SurfaceWindow(), nullptr);
    if (registry->Count() == 0) registry.reset();
}

void Menus::LeaveWindowsBut(std::optional<std::int64_t> kept, bool resetMenus) {
    const auto& registry = WindowRegistry();
    if (!registry) return;
    const std::int64_t surface = windows_.SurfaceWindow();
    std::vector<tyControl> left;
    for (const tyControl* record : registry->Records())
        if (record->hWnd == surface && record->Parent_hwnd != kept) left.push_back(*record);
    for (const tyControl& record : left) {
        if (record.DefWndProc != 0) windows_.RemoveHook(record.Parent_hwnd, record.DefWndProc);
        if (resetMenus) windows_.ResetMenu(record.Parent_hwnd);
        registry->Remove(KeyOf(record.Parent_hwnd));
    }
}

}  // namespace tesmo
