#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tesmo {

// A pop-up menu as the control computes it; the platform shows it as it is.
struct PopupMenu {
    struct Item {
        std::string name;     // "" for a rule
        std::string caption;
        bool enabled = true;
        bool checked = false;
    };
    std::string name;
    std::vector<Item> items;
    int defaultItem = -1;  // shown as the default (bold) item
};

// The windows the control lives in. A window is named by a number that the platform gives
// it (0: none). Every window-menu operation does nothing for window 0 or a window gone.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // The top-level window that holds the control, 0 when there is none yet.
    virtual std::int64_t ParentWindow() = 0;
    // The number of the control's own surface.
    virtual std::int64_t SurfaceWindow() = 0;
    // Shows a pop-up menu at a surface position until the user picks an item or leaves it;
    // the index of the item picked, or -1.
    virtual int ShowPopup(const PopupMenu& menu, float x, float y) = 0;

    // The window menu: back to the platform's own items; an item added after the others
    // (after a rule when asked); an item's state and caption, found by its id.
    virtual void ResetMenu(std::int64_t window) = 0;
    virtual void AddMenuItem(std::int64_t window, std::int32_t id, const std::string& caption, bool rule) = 0;
    virtual void EnableMenuItem(std::int64_t window, std::int32_t id, bool enabled) = 0;
    virtual bool IsMenuItemChecked(std::int64_t window, std::int32_t id) = 0;
    virtual void CheckMenuItem(std::int64_t window, std::int32_t id, bool checked) = 0;
    virtual void SetMenuItemCaption(std::int64_t window, std::int32_t id, const std::string& caption) = 0;

    // The hook: from InstallHook on, the picks in the window's menu go to
    // SharedWindowProc. It returns what RemoveHook needs to take it off again (never 0).
    virtual std::int64_t InstallHook(std::int64_t window) = 0;
    virtual void RemoveHook(std::int64_t window, std::int64_t previous) = 0;

    // Puts the window into the band of windows that stay on top, or takes it out.
    virtual void SetTopmostWindow(std::int64_t window, bool topmost) = 0;
    // The window is in that band now (whichever of its controls, or its host, put it there).
    virtual bool IsTopmostWindow(std::int64_t window) = 0;
};

}  // namespace tesmo
