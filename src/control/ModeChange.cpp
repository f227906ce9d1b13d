#include "control/ControlImpl.h"

namespace tesmo {

void ucTesmo::Impl::MenusForMode() {
    if (!s.EnableMenu) return;
    if (s.MapStyle == 0) {
        s.ParentWindow = menus.FindParentWindow();
        if (s.ParentWindow != 0) {
            menus.RebuildSystemMenu(s.ParentWindow, 0);
            menus.RefreshPlaybackCommands();
        }
        if (s.DbFailed)
            menus.DisableTrackCommands();
        else
            menus.RefreshPlaybackCommands();
        // A creation armed before the switch goes on: the commands show it.
        if (s.ByStep || s.ByPoints) menus.ShowCreation(true);
    } else if (s.MapStyle == 1) {
        if (scale.SetScaleUnit()) {
            s.ParentWindow = menus.FindParentWindow();
            if (s.ParentWindow != 0) menus.RebuildSystemMenu(s.ParentWindow, 1);
        } else if (s.ControlError.empty()) {
            ports.prompts.MsgBox("Invalid coordinate values", msgbox::Critical, "");
        }
    }
}

}  // namespace tesmo
