#pragma once

#include "core/ControlState.h"
#include "menus/Menus.h"
#include "surface/Ports.h"
#include "tesmo/ucTesmo.h"

namespace tesmo {

// The control's state, its ports and the components that carry its behaviour.
struct ucTesmo::Impl {
    explicit Impl(const Ports& p) : ports(p) {}

    bool RunTime() const { return ports.host.UserMode(); }
    void Notify(const char* name) { ports.host.PropertyChanged(name); }

    Ports ports;
    ControlState s;
    Menus menus;
};

}  // namespace tesmo
