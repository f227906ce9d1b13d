#pragma once

#include <cstdint>
#include <string>

namespace tesmo {

// The control's commands as the pop-up and window menus show them. The menus themselves
// are not built yet: until they are, these calls change nothing and no parent window is
// ever found.
class Menus {
public:
    void RefreshPlaybackCommands() {}
    void DisableTrackCommands() {}
    // The caption of the "Draw Track" command and of its window-menu item.
    void SetExecCaption(const std::string&) {}
    std::int64_t FindParentWindow() { return 0; }
    void RebuildSystemMenu(std::int64_t, int) {}
    void SetUpMenus() {}
    void DetachParent() {}
    void AssignCaptions() {}
};

}  // namespace tesmo
