#include "control/Container.h"

#include "control/ControlImpl.h"
#include "control/Independent.h"
#include "control/Steering.h"
#include "core/Layout.h"
#include "core/LocaleDetection.h"
#include "scale/Mapping.h"
#include "support/DayNumber.h"
#include "support/SharedValues.h"
#include "tesmo/Error.h"

namespace tesmo {

void Container::Initialize() {
    auto& d = *c_.d;
    const Ports& ports = d.ports;
    SharedValues& shared = Shared();

    const DateFormats formats = DetectDateFormats(ports.locale.ShortDateText(DayNumberFromCivil(1999, 3, 31)));
    shared.ShortDateFormat = formats.shortFormat;
    shared.LongDateFormat = formats.longFormat;
    const std::string localeDecimal = ports.locale.DecimalSeparator();
    const std::string localeGroup = ports.locale.GroupSeparator();
    shared.DecimalSeparator = DetectDecimalSeparator(localeDecimal, localeGroup);
    // Reading numbers needs a group separator that differs from the decimal one.
    shared.GroupSeparator = localeGroup != shared.DecimalSeparator ? localeGroup
                            : shared.DecimalSeparator == "."  ? ","
                                                              : ".";

    d.s.PixelX = ports.host.TwipsPerPixelX();
    d.s.PixelY = ports.host.TwipsPerPixelY();
    d.s.Mapping.PixelX = d.s.PixelX;
    d.s.Mapping.PixelY = d.s.PixelY;
    d.s.ControlError.clear();
    d.s.AppFolder = ports.host.ComponentFolder();
    if (d.s.AppFolder.empty() || d.s.AppFolder.back() != '/') d.s.AppFolder += '/';
    d.s.FlagExit = false;
}

void Container::InitProperties() {
    auto& d = *c_.d;
    ControlState& s = d.s;
    Surface& surface = d.ports.surface;
    HostSite& host = d.ports.host;

    s.AutoRedraw = true;
    surface.setAutoRedraw(true);
    s.BaseStep = 30;
    s.ClipControls = true;
    s.FlagExit = false;
    s.ControlError.clear();
    s.Delay = 0;
    s.BorderStyle = 0;
    surface.setBorderStyle(0);
    s.DrawWidth = 1;
    surface.setDrawWidth(1);
    s.AutoSize = false;
    s.Picture = {};
    s.Width = 9600;
    host.setWidth(9600);
    s.Height = 6200;
    host.setHeight(6200);
    s.EnableMenu = true;
    s.ViewPoints = false;
    s.ViewGrid = false;
    surface.setBackColor(0xFFC0C0);
    surface.setForeColor(255);
    surface.setFillColor(255);
    s.MaxX = s.MaxY = 100;
    s.UnitX = s.UnitY = 10;
    s.LeftScale = s.RightScale = 480;
    s.BackColor = 0xFFC0C0;
    s.ForeColor = 255;
    s.GridColor = 0;
    s.TitleColor = 65535;
    s.TextColor = 0;
    s.TrackColor = 0xFF0000;
    s.XAsDate = s.YAsDate = false;
    s.MinX = s.MinY = 0;
    s.TopScale = s.BottomScale = 240;
    s.MapStyle = 0;
    s.MouseScan = false;
    s.MouseValueX = std::int16_t{0};
    s.MouseValueY = std::int16_t{0};
}

void Container::StartRunTime() {
    auto& d = *c_.d;
    ResetFlagExit(d.s);
    d.s.Points = std::make_unique<clsPoints>();
    d.menus.SetUpMenus();
    const Surface& surface = d.ports.surface;
    if (d.s.MapStyle == 0) {
        Independent([&] { ComputeMapping(d.s, surface.ScaleWidth(), surface.ScaleHeight()); });
        // Once a run: settings loaded after the start find the database as the start left it.
        if (!d.s.DbTried) d.store.OpenDatabase();
    } else {
        ComputeMappingLenient(d.s, surface.ScaleWidth(), surface.ScaleHeight());
    }
}

bool Container::ForgetFailedDatabase() {
    if (!c_.d->s.DbFailed) return false;
    c_.d->s.DbTried = false;
    return true;
}

void Container::EnterDesignMode() {
    ControlState& s = c_.d->s;
    // A track being created is dropped with the connection, never half kept.
    c_.d->creation.DropOpenTrack();
    c_.d->creation.Disarm();
    c_.d->menus.DetachParent(s.ParentWindow);
    c_.d->menus.ReleaseParent();
    s.Points.reset();
    c_.d->store.CloseDatabase();
    s.DbTried = false;
    s.DbFailed = false;
}

void Container::Resize() {
    auto& d = *c_.d;
    // In a layout the widget's size is the truth: the sizes follow it.
    if (d.ports.host.LaidOut()) {
        ControlState& s = d.s;
        const auto follow = [&](std::int32_t& size, float twips, const char* name) {
            const std::int32_t now = d.SizeKept(size, twips);
            if (now == size) return;
            size = now;
            d.Notify(name);
        };
        follow(s.Width, d.ports.host.InnerWidth(), "Width");
        follow(s.Height, d.ports.host.InnerHeight(), "Height");
    }
    Layout(d.s, d.ports);
}

void Container::Show() {
    if (!c_.d->RunTime()) return;
    c_.d->menus.FollowWindow();
    c_.d->menus.AssignCaptions();
}

void Container::Terminate() {
    auto& d = *c_.d;
    ControlState& s = d.s;
    s.Terminated = true;
    s.FlagExit = true;
    // The user was asked when the window closed; what is still open now was not accepted.
    d.creation.DropOpenTrack();
    Independent([&] { d.ports.dialogs.UnloadAll(); });
    Independent([&] { d.store.CloseDatabase(); });
    Independent([&] { d.menus.ReleaseParent(); });
    s.Points.reset();
}

bool Container::QueryClose() {
    auto& d = *c_.d;
    if (!d.RunTime() || !d.s.TrackOpen) return true;
    if (!d.creation.SettleOpenTrack("exit")) return false;
    d.creation.Disarm();
    return true;
}

void Container::DblClick() {
    auto& d = *c_.d;
    if (!d.RunTime()) return;
    try {
        d.playback.DoubleClick();
    } catch (const Error& e) {
        // Nothing above an input event can take the error: the user is told instead.
        d.ports.prompts.MsgBox(e.description(), msgbox::Critical, "");
    }
}

void Container::KeyDown(std::int16_t& key) {
    if (!c_.d->RunTime()) return;
    // Esc on a new track armed or open, with no drawing under way: discard it (asked).
    constexpr std::int16_t kEscape = 27;
    if (key == kEscape && Steering(c_).DiscardNewTrack(true)) {
        key = 0;
        return;
    }
    c_.d->playback.KeyDown(key);
}

void Container::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    if (c_.d->RunTime()) c_.d->pointer.MouseDown(button, shift, x, y);
}

void Container::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    if (c_.d->RunTime()) c_.d->pointer.MouseMove(button, shift, x, y);
}

void Container::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    if (c_.d->RunTime()) c_.d->pointer.MouseUp(button, shift, x, y);
}

}  // namespace tesmo
