// The control's stored settings: the keys, their order and their defaults.
#include "control/Container.h"
#include "control/ControlImpl.h"
#include "control/Independent.h"
#include "core/Layout.h"
#include "support/Conversions.h"
#include "support/DayNumber.h"
#include "surface/PropertyBag.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

constexpr std::int16_t kZero = 0;

bool AsBool(const Variant& v) {
    return v.toDouble() != 0;
}

float AsSingle(const Variant& v) {
    return ToSingle(v.toDouble());
}

std::int32_t AsLong(const Variant& v) {
    return ToInt32(v.toDouble());
}

// A mode or a border style: only the values the control knows.
std::int32_t AsChoice(const Variant& v) {
    const std::int32_t value = AsLong(v);
    if (value != 0 && value != 1) throw Error(errors::InvalidPropertyValue, "Invalid property value");
    return value;
}

// Reads one key into a field; a value that cannot be read leaves the field as it was.
template <typename Field, typename Convert>
void Load(PropertyBag& bag, const char* name, Field& field, const Variant& defaultValue, Convert convert) {
    Independent([&] { field = convert(bag.ReadProperty(name, defaultValue)); });
}

void LoadBool(PropertyBag& bag, const char* name, bool& field, bool defaultValue) {
    Load(bag, name, field, Variant(defaultValue), AsBool);
}

void LoadSingle(PropertyBag& bag, const char* name, float& field, const Variant& defaultValue) {
    Load(bag, name, field, defaultValue, AsSingle);
}

void LoadLong(PropertyBag& bag, const char* name, std::int32_t& field, const Variant& defaultValue) {
    Load(bag, name, field, defaultValue, AsLong);
}

// A bound of a date axis still at its numeric default becomes a day of this year.
void DateDefault(float& bound, float numericDefault, double day) {
    if (bound == numericDefault) bound = static_cast<float>(day);
}

}  // namespace

void Container::ReadProperties(PropertyBag& bag) {
    auto& d = *c_.d;
    ControlState& s = d.s;
    Surface& surface = d.ports.surface;
    HostSite& host = d.ports.host;

    LoadBool(bag, "AutoRedraw", s.AutoRedraw, true);
    LoadSingle(bag, "BaseStep", s.BaseStep, 30.0f);
    LoadBool(bag, "ClipControls", s.ClipControls, true);
    LoadBool(bag, "FlagExit", s.FlagExit, false);
    // A host sets FlagExit when it exits, and may save the control afterwards: at run time
    // the loaded control is not left stopped, not even for the layout steps below.
    if (d.RunTime()) ResetFlagExit(s);
    Load(bag, "ControlError", s.ControlError, Variant(""), [](const Variant& v) { return v.toString(); });
    LoadSingle(bag, "Delay", s.Delay, 0.0f);
    Independent([&] {
        const std::int32_t style = AsChoice(bag.ReadProperty("BorderStyle", kZero));
        surface.setBorderStyle(static_cast<std::int16_t>(style));
        s.BorderStyle = style;
    });
    Independent([&] {
        s.Picture = bag.ReadPicture("Picture");
        surface.setAutoRedraw(s.AutoRedraw);
        surface.setPicture(s.Picture);
    });
    Independent([&] {
        s.AutoSize = AsBool(bag.ReadProperty("AutoSize", false));
        surface.setAutoSize(s.AutoSize);
        Layout(s, d.ports);
    });
    Independent([&] {
        // Stored as it was, uncorrected.
        const std::int16_t width = ToInt16(bag.ReadProperty("DrawWidth", std::int16_t{1}).toDouble());
        surface.setDrawWidth(width);
        s.DrawWidth = width;
    });
    Independent([&] {
        const std::int32_t width = AsLong(bag.ReadProperty("Width", std::int32_t{9600}));
        host.setWidth(width);
        s.Width = d.SizeKept(width, host.InnerWidth());
    });
    Independent([&] {
        const std::int32_t height = AsLong(bag.ReadProperty("Height", std::int32_t{6200}));
        host.setHeight(height);
        s.Height = d.SizeKept(height, host.InnerHeight());
    });
    LoadLong(bag, "BackColor", s.BackColor, std::int32_t{0xFFC0C0});
    LoadLong(bag, "ForeColor", s.ForeColor, std::int32_t{255});
    LoadLong(bag, "GridColor", s.GridColor, std::int32_t{0});
    LoadLong(bag, "TextColor", s.TextColor, std::int32_t{0});
    LoadLong(bag, "TitleColor", s.TitleColor, std::int32_t{65535});
    LoadLong(bag, "TrackColor", s.TrackColor, std::int32_t{0xFF0000});
    Independent([&] {
        surface.setBackColor(s.BackColor);
        surface.setForeColor(s.ForeColor);
        surface.setFillColor(s.ForeColor);
    });
    LoadSingle(bag, "CurrentX", s.CurrentX, kZero);
    LoadSingle(bag, "CurrentY", s.CurrentY, kZero);
    Independent([&] { c_.setFont(bag.ReadFont("Font", host.AmbientFont())); });

    Load(bag, "Title", s.Title, Variant(""), [](const Variant& v) { return v.toString(); });
    LoadBool(bag, "ViewPoints", s.ViewPoints, false);
    LoadBool(bag, "ViewGrid", s.ViewGrid, false);
    const bool menusBefore = s.EnableMenu;
    LoadBool(bag, "EnableMenu", s.EnableMenu, true);
    // Loaded as it is set: a window whose control's menus go off gets its own menu back.
    if (menusBefore && !s.EnableMenu && d.RunTime() && s.ParentWindow != 0)
        Independent([&] { d.menus.DetachParent(s.ParentWindow); });
    Load(bag, "MapStyle", s.MapStyle, kZero, AsChoice);
    LoadSingle(bag, "LeftScale", s.LeftScale, 480.0f);
    LoadSingle(bag, "TopScale", s.TopScale, 240.0f);
    LoadSingle(bag, "RightScale", s.RightScale, 480.0f);
    LoadSingle(bag, "BottomScale", s.BottomScale, 240.0f);
    LoadBool(bag, "XAsDate", s.XAsDate, false);
    LoadBool(bag, "YAsDate", s.YAsDate, false);
    LoadSingle(bag, "MinX", s.MinX, kZero);
    LoadSingle(bag, "MaxX", s.MaxX, 100.0f);
    LoadSingle(bag, "MinY", s.MinY, kZero);
    LoadSingle(bag, "MaxY", s.MaxY, 100.0f);
    LoadLong(bag, "UnitX", s.UnitX, std::int16_t{10});
    LoadLong(bag, "UnitY", s.UnitY, std::int16_t{10});

    if (s.MapStyle == 1) {
        const int year = CivilFromDayNumber(d.ports.clock.Now()).year;
        const double first = DayNumberFromCivil(year, 1, 1), last = DayNumberFromCivil(year, 12, 31);
        if (s.XAsDate) {
            DateDefault(s.MinX, 0, first);
            DateDefault(s.MaxX, 100, last);
        }
        if (s.YAsDate) {
            DateDefault(s.MinY, 0, first);
            DateDefault(s.MaxY, 100, last);
        }
    }

    LoadBool(bag, "MouseScan", s.MouseScan, false);
    // Whatever the value holds, a text once the pointer has been over the chart.
    const auto asStored = [](const Variant& v) { return v.isEmpty() ? Variant(kZero) : v; };
    Load(bag, "MouseValueX", s.MouseValueX, Variant(), asStored);
    Load(bag, "MouseValueY", s.MouseValueY, Variant(), asStored);
    Independent([&] { host.setEnabled(AsBool(bag.ReadProperty("Enabled", true))); });

    if (d.RunTime()) StartRunTime();
}

void Container::WriteProperties(PropertyBag& bag) {
    auto& d = *c_.d;
    const ControlState& s = d.s;
    const auto write = [&](const char* name, const Variant& value, const Variant& defaultValue) {
        Independent([&] { bag.WriteProperty(name, value, defaultValue); });
    };
    write("AutoRedraw", s.AutoRedraw, true);
    write("BaseStep", s.BaseStep, 30.0f);
    write("ClipControls", s.ClipControls, true);
    write("FlagExit", s.FlagExit, false);
    write("ControlError", s.ControlError, "");
    write("Delay", s.Delay, 0.0f);
    write("BorderStyle", s.BorderStyle, kZero);
    Independent([&] { bag.WritePicture("Picture", s.Picture); });
    write("AutoSize", s.AutoSize, false);
    write("DrawWidth", s.DrawWidth, std::int16_t{1});
    write("Width", s.Width, std::int32_t{9600});
    write("Height", s.Height, std::int32_t{6200});
    write("Enabled", d.ports.host.Enabled(), true);
    write("CurrentX", s.CurrentX, kZero);
    write("CurrentY", s.CurrentY, kZero);
    Independent([&] { bag.WriteFont("Font", d.ports.surface.Font(), d.ports.host.AmbientFont()); });
    write("Title", s.Title, "");
    write("EnableMenu", s.EnableMenu, true);
    write("ViewPoints", s.ViewPoints, false);
    write("ViewGrid", s.ViewGrid, false);
    write("LeftScale", s.LeftScale, 480.0f);
    write("TopScale", s.TopScale, 240.0f);
    write("RightScale", s.RightScale, 480.0f);
    write("BottomScale", s.BottomScale, 240.0f);
    write("XAsDate", s.XAsDate, false);
    write("YAsDate", s.YAsDate, false);
    write("MinX", s.MinX, kZero);
    write("MaxX", s.MaxX, 100.0f);
    write("MinY", s.MinY, kZero);
    write("MaxY", s.MaxY, 100.0f);
    write("UnitX", s.UnitX, std::int16_t{10});
    write("UnitY", s.UnitY, std::int16_t{10});
    write("MapStyle", s.MapStyle, kZero);
    write("BackColor", s.BackColor, std::int32_t{0xFFC0C0});
    write("ForeColor", s.ForeColor, std::int32_t{255});
    write("GridColor", s.GridColor, std::int32_t{0});
    write("TitleColor", s.TitleColor, std::int32_t{65535});
    write("TextColor", s.TextColor, std::int32_t{0});
    write("TrackColor", s.TrackColor, std::int32_t{0xFF0000});
    write("MouseValueX", s.MouseValueX, kZero);
    write("MouseValueY", s.MouseValueY, kZero);
    write("MouseScan", s.MouseScan, false);
}

}  // namespace tesmo
