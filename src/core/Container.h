#pragma once

#include "tesmo/ucTesmo.h"

namespace tesmo {

// What the container that hosts a control calls on it: start-up, fresh settings, the
// run-time preparation of a loaded control, layout, showing and shutdown.
class Container {
public:
    explicit Container(ucTesmo& control) : c_(control) {}

    // Detects the locale's date order and decimal separator, reads the screen metrics and
    // the component's folder.
    void Initialize();
    // The settings of a newly placed control.
    void InitProperties();
    // What a control loaded at run time does last: creates its points and prepares its mode.
    void StartRunTime();
    // Undoes StartRunTime, for a control that turns out to be placed in a form designer:
    // it then holds no points and no database connection, as a newly placed control.
    void EnterDesignMode();
    void Resize();
    void Show();
    // Stops any drawing, closes the dialogs and releases what the control holds.
    void Terminate();
    // Input on the surface.
    void DblClick();
    void KeyDown(std::int16_t& key);

private:
    ucTesmo& c_;
};

}  // namespace tesmo
