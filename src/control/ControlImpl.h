#pragma once

#include <cmath>

#include "core/ControlState.h"
#include "menus/CommandTarget.h"
#include "menus/Menus.h"
#include "scale/ChartDrawing.h"
#include "scale/ScaleBuilder.h"
#include "surface/Ports.h"
#include "tesmo/ucTesmo.h"
#include "tracks/PathAnimation.h"
#include "tracks/Playback.h"
#include "tracks/PointerInput.h"
#include "tracks/TrackCreation.h"
#include "tracks/TrackList.h"
#include "tracks/TrackStore.h"

namespace tesmo {

// The property names of one chart axis.
struct AxisNames {
    const char* min;
    const char* max;
    const char* unit;
    const char* asDate;
};

// The control's state, its ports and the components that carry its behaviour.
struct ucTesmo::Impl : CommandTarget {
    Impl(const Ports& p, ucTesmo& control)
        : self(control),
          ports(p),
          menus(s, ports.windows, *this),
          path(s, ports, menus),
          chart(s, ports, path),
          scale(s, ports, menus, [this] { chart.Draw(); }),
          store(s, ports, menus),
          list(s, ports, store),
          playback(s, ports, menus, store, list, path),
          creation(s, ports, menus, store),
          pointer(s, ports, menus, creation, store) {}

    bool RunTime() const { return ports.host.UserMode(); }
    // A command picked in a menu; nothing above a menu can take its error: the user is told.
    void RunCommand(Command command, std::int64_t window) override;
    void Notify(const char* name) { ports.host.PropertyChanged(name); }
    // The size kept once the container was asked for `asked`: in a layout the widget's own,
    // as the layout decides, else the one asked for.
    std::int32_t SizeKept(std::int32_t asked, float actual) const {
        return ports.host.LaidOut() ? static_cast<std::int32_t>(std::lround(actual)) : asked;
    }

    // The mode change: rebuilds the menus and, in chart mode, the scale.
    void MenusForMode();
    // Sets a chart bound from a number, a date or a text that reads as either.
    void SetBound(float& bound, bool& asDate, const char* boundName, const char* dateName, const Variant& value);
    // A bound read on a date axis: 0 stands for 1 January and 100 for 31 December of this year.
    Variant ReadBound(float& bound, bool asDate, float placeholder, bool yearEnd);
    // Puts a date axis back to numbers 0 to 100 in steps of 10.
    void ResetAxis(bool& asDate, float& min, float& max, std::int32_t& unit, const AxisNames& names);
    // Switches an axis to dates or back: in chart mode the default bounds become this year;
    // outside it the axis goes back to numbers and the request is refused (error 1030).
    void SetDateAxis(bool value, bool& asDate, float& min, float& max, std::int32_t& unit, const AxisNames& names);
    // Throws 1024-1027 with the details when a point's coordinate is outside its bounds.
    void CheckBound(const Variant& value, float min, float max, bool asDate, bool isX) const;
    double FirstDayOfYear() const;
    double LastDayOfYear() const;

    ucTesmo& self;
    Ports ports;
    ControlState s;
    Menus menus;
    PathAnimation path;
    ChartDrawing chart;
    ScaleBuilder scale;
    TrackStore store;
    TrackList list;
    Playback playback;
    TrackCreation creation;
    PointerInput pointer;
};

}  // namespace tesmo
