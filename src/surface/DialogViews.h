#pragma once

namespace tesmo {

class frmList;
class frmUnit;

// The control's own windows.
class DialogViews {
public:
    virtual ~DialogViews() = default;
    // Shows the About box modally.
    virtual void ShowAbout() = 0;
    // Shows the track list modally (in the topmost band when asked), passing the user's
    // actions to it; returns once it has closed.
    virtual void ShowTrackList(frmList& list, bool topmost) = 0;
    // Shows the settings dialog, modally (returning once it has closed) or not (returning at
    // once), in the topmost band when asked.
    virtual void ShowSettings(frmUnit& dialog, bool modal, bool topmost) = 0;
    // Closes the settings dialog's window from code, when it shows.
    virtual void CloseSettings() = 0;
    // Closes every dialog window of the control (at shutdown).
    virtual void UnloadAll() = 0;
};

}  // namespace tesmo
