#pragma once

#include <cstdint>
#include <string>

#include "tesmo/Font.h"

namespace tesmo {

// What the control gets from the container that holds it and from the screen.
class HostSite {
public:
    virtual ~HostSite() = default;

    // The control's own size inside its border, twips.
    virtual float InnerWidth() const = 0;
    virtual float InnerHeight() const = 0;
    // Size the control; in a layout, the size it would like, which the layout decides on.
    virtual void setWidth(std::int32_t twips) = 0;
    virtual void setHeight(std::int32_t twips) = 0;
    // A layout of the container sizes the control: its size follows the layout's.
    virtual bool LaidOut() const = 0;
    virtual void setBackColor(std::int32_t color) = 0;
    virtual bool Enabled() const = 0;
    // The control's window is on the screen.
    virtual bool Visible() const = 0;
    virtual void setEnabled(bool value) = 0;
    // Tells the container that a persisted property changed.
    virtual void PropertyChanged(const std::string& name) = 0;
    // False at design time.
    virtual bool UserMode() const = 0;
    virtual tesmo::Font AmbientFont() const = 0;
    // Twips per screen pixel.
    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;
    // The folder of the control's library file.
    virtual std::string ComponentFolder() const = 0;
};

}  // namespace tesmo
