// The started controls the unit tests drive.
#pragma once

#include "fakes/Fakes.h"

namespace tesmo::test {

// A control started as a widget starts it: in map mode.
struct MapRig : Rig {
    MapRig() { start(); }
};

// A started control switched to chart mode, on a surface `width` twips wide when one is given;
// what the switch drew, showed, notified and raised is forgotten.
struct ChartRig : MapRig {
    explicit ChartRig(float width = 0) {
        if (width > 0) surface.width = width;
        control.setMapStyle(enMapStyle::ScaleSystem);
        surface.ops.clear();
        surface.visibilityChanges = 0;
        host.notified.clear();
        events.raised.clear();
    }
};

}  // namespace tesmo::test
