#include "core/Layout.h"

#include "core/ControlState.h"
#include "support/Conversions.h"
#include "support/SharedValues.h"
#include "surface/Ports.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

// Holds the shared Resizing guard for the duration of a resize the layout causes itself,
// and lets go of it even when that resize fails.
class ResizingGuard {
public:
    ResizingGuard() { Shared().Resizing = true; }
    ~ResizingGuard() { Shared().Resizing = false; }
    ResizingGuard(const ResizingGuard&) = delete;
    ResizingGuard& operator=(const ResizingGuard&) = delete;
};

}  // namespace

void Layout(ControlState& s, const Ports& ports) {
    if (Shared().Resizing || s.FlagExit) return;
    Surface& surface = ports.surface;
    try {
        if (s.AutoSize && surface.HasPicture()) {
            ResizingGuard guard;
            ports.host.setWidth(ToInt32(2 * surface.Left() + surface.Width()));
            ports.host.setHeight(ToInt32(2 * surface.Top() + surface.Height()));
            return;
        }
        surface.setWidth(ports.host.InnerWidth() - 2 * surface.Left());
        surface.setHeight(ports.host.InnerHeight() - 2 * surface.Top());
    } catch (const Error&) {
        // A control smaller than its margins keeps the surface as it was.
    }
}

}  // namespace tesmo
