#pragma once

namespace tesmo {

// The control's own windows.
class DialogViews {
public:
    virtual ~DialogViews() = default;
    // Shows the About box modally.
    virtual void ShowAbout() = 0;
    // Closes every dialog window of the control (at shutdown).
    virtual void UnloadAll() = 0;
};

}  // namespace tesmo
