#pragma once

#include "tesmo/ucTesmo.h"

namespace tesmo {

class PropertyBag;

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
    // Loads stored settings (at run time StartRunTime follows; the control is not left
    // stopped), and stores them. A value that cannot be read or applied is skipped.
    void ReadProperties(PropertyBag& bag);
    void WriteProperties(PropertyBag& bag);
    // Lets the next run-time start (or switch to map mode) try the database again after a
    // failed attempt, for a control set up before it was shown (the attempt's notice not
    // given yet); true when there was a failed attempt.
    bool ForgetFailedDatabase();
    // Undoes StartRunTime, for a control that turns out to be placed in a form designer:
    // it then holds no points and no database connection, as a newly placed control.
    void EnterDesignMode();
    void Resize();
    void Show();
    // The window holding the control is about to close: asks whether to keep a new track
    // that is still open. False when it stays open (its commit failed): keep the window.
    bool QueryClose();
    // Stops any drawing, drops a new track still open, closes the dialogs and releases what
    // the control holds. Asks nothing: the control may be half gone already.
    void Terminate();
    // Input on the surface (positions in twips). A button release on the control's margin
    // goes to MouseUp as well.
    void DblClick();
    void KeyDown(std::int16_t& key);
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y);

private:
    ucTesmo& c_;
};

}  // namespace tesmo
