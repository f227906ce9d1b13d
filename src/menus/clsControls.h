#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "menus/CommandTarget.h"

namespace tesmo {

class WindowSystem;

// One hooked window: the surface of the control that registered it, the window, and what
// the hook replaced (0 when the window is not hooked).
struct tyControl {
    std::int64_t hWnd = 0;
    std::int64_t Parent_hwnd = 0;
    std::int64_t DefWndProc = 0;
};

// The windows the controls of this thread have registered, keyed by the decimal text of
// the window's number: at most one record a window, the last registered owning it.
class clsControls {
public:
    ~clsControls();

    // A record for the pair; a record the window had is taken off first, its hook with it.
    void Add(std::int64_t hWnd, std::int64_t Parent_hwnd, WindowSystem& windows);
    // False when there is no record under the key.
    bool Remove(const std::string& Key_hwnd);
    void Clear();
    std::int32_t Count() const { return static_cast<std::int32_t>(records_.size()); }
    // The record under the key, or none.
    tyControl* Item(const std::string& Key_hwnd);
    // The records in the order they were added.
    std::vector<tyControl*> Records();

    // The "user data" of a surface: the control that hooked a window from it.
    void SetTarget(std::int64_t hWnd, CommandTarget* target);
    CommandTarget* Target(std::int64_t hWnd) const;

private:
    struct Entry {
        std::string key;
        tyControl record;
    };
    std::vector<Entry> records_;
    std::map<std::int64_t, CommandTarget*> targets_;
};

// The registry of the user-interface thread, made by the first control that registers and
// released with the last record.
std::shared_ptr<clsControls>& WindowRegistry();

// The key of a window in the registry.
std::string KeyOf(std::int64_t window);

// The one procedure the hook of every window calls with the id of the item picked: the
// control recorded for the window runs its command. Ids outside 1100 to 1114 do nothing,
// and so does a window no control owns any more.
void SharedWindowProc(std::int64_t window, std::int32_t id);

}  // namespace tesmo
