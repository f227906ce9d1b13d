// The chart's settings: bounds, margins, units, date axes and the mode.
#include <cmath>

#include "control/ControlImpl.h"
#include "core/Corrections.h"
#include "support/Conversions.h"
#include "support/DayNumber.h"
#include "support/NumberFormat.h"
#include "support/SharedValues.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

constexpr AxisNames kXNames{"MinX", "MaxX", "UnitX", "XAsDate"};
constexpr AxisNames kYNames{"MinY", "MaxY", "UnitY", "YAsDate"};

bool IsNumeric(const Variant& v) {
    switch (v.type()) {
        case VarType::Boolean:
        case VarType::Integer:
        case VarType::Long:
        case VarType::Single:
        case VarType::Double: return std::isfinite(v.number());
        case VarType::String: return ReadNumberText(v.text()).has_value();
        default: return false;
    }
}

std::optional<double> DateValue(const Variant& v) {
    if (v.type() == VarType::Date) {
        if (IsValidDayNumber(v.number())) return v.number();
        return std::nullopt;
    }
    if (v.type() == VarType::String) return ReadDateText(v.text());
    return std::nullopt;
}

}  // namespace

double ucTesmo::Impl::FirstDayOfYear() const {
    return DayNumberFromCivil(CivilFromDayNumber(ports.clock.Now()).year, 1, 1);
}

double ucTesmo::Impl::LastDayOfYear() const {
    return DayNumberFromCivil(CivilFromDayNumber(ports.clock.Now()).year, 12, 31);
}

void ucTesmo::Impl::SetBound(float& bound, bool& asDate, const char* boundName, const char* dateName,
                             const Variant& value) {
    Variant v = value;
    // Numeric bounds are whole numbers.
    if (IsNumeric(v)) v = Variant(FormatNumber(v.toDouble(), "0", Shared().Symbols()));
    if (const auto day = DateValue(v)) {
        bound = ToSingle(*day);
        asDate = true;
        Notify(dateName);
    } else if (IsNumeric(v)) {
        bound = ToSingle(v.toDouble());
        asDate = false;
        Notify(dateName);
    } else {
        return;
    }
    Notify(boundName);
}

Variant ucTesmo::Impl::ReadBound(float& bound, bool asDate, float placeholder, bool yearEnd) {
    if (s.MapStyle == 1 && asDate && bound == placeholder)
        bound = static_cast<float>(yearEnd ? LastDayOfYear() : FirstDayOfYear());
    return Variant(bound);
}

void ucTesmo::Impl::ResetAxis(bool& asDate, float& min, float& max, std::int32_t& unit, const AxisNames& names) {
    asDate = false;
    min = 0;
    max = 100;
    unit = 10;
    Notify(names.min);
    Notify(names.max);
    Notify(names.unit);
}

Variant ucTesmo::MinX() { return d->ReadBound(d->s.MinX, d->s.XAsDate, 0, false); }
Variant ucTesmo::MaxX() { return d->ReadBound(d->s.MaxX, d->s.XAsDate, 100, true); }
Variant ucTesmo::MinY() { return d->ReadBound(d->s.MinY, d->s.YAsDate, 0, false); }
Variant ucTesmo::MaxY() { return d->ReadBound(d->s.MaxY, d->s.YAsDate, 100, true); }

void ucTesmo::setMinX(const Variant& value) { d->SetBound(d->s.MinX, d->s.XAsDate, "MinX", "XAsDate", value); }
void ucTesmo::setMaxX(const Variant& value) { d->SetBound(d->s.MaxX, d->s.XAsDate, "MaxX", "XAsDate", value); }
void ucTesmo::setMinY(const Variant& value) { d->SetBound(d->s.MinY, d->s.YAsDate, "MinY", "YAsDate", value); }
void ucTesmo::setMaxY(const Variant& value) { d->SetBound(d->s.MaxY, d->s.YAsDate, "MaxY", "YAsDate", value); }

float ucTesmo::LeftScale() const { return d->s.LeftScale; }
float ucTesmo::TopScale() const { return d->s.TopScale; }
float ucTesmo::RightScale() const { return d->s.RightScale; }
float ucTesmo::BottomScale() const { return d->s.BottomScale; }

void ucTesmo::setLeftScale(float value) {
    d->s.LeftScale = CorrectMargin(value, d->ports.surface.ScaleWidth());
    d->Notify("LeftScale");
}

void ucTesmo::setTopScale(float value) {
    d->s.TopScale = CorrectMargin(value, d->ports.surface.ScaleHeight());
    d->Notify("TopScale");
}

void ucTesmo::setRightScale(float value) {
    d->s.RightScale = CorrectMargin(value, d->ports.surface.ScaleWidth());
    d->Notify("RightScale");
}

void ucTesmo::setBottomScale(float value) {
    d->s.BottomScale = CorrectMargin(value, d->ports.surface.ScaleHeight());
    d->Notify("BottomScale");
}

std::int32_t ucTesmo::UnitX() const { return d->s.UnitX; }
std::int32_t ucTesmo::UnitY() const { return d->s.UnitY; }

void ucTesmo::setUnitX(std::int32_t value) {
    d->s.UnitX = value < 1 ? 1 : value;
    d->Notify("UnitX");
}

void ucTesmo::setUnitY(std::int32_t value) {
    d->s.UnitY = value < 1 ? 1 : value;
    d->Notify("UnitY");
}

bool ucTesmo::XAsDate() const { return d->s.XAsDate; }
bool ucTesmo::YAsDate() const { return d->s.YAsDate; }

void ucTesmo::Impl::SetDateAxis(bool value, bool& asDate, float& min, float& max, std::int32_t& unit,
                                const AxisNames& names) {
    asDate = value;
    if (s.MapStyle == 1 && value) {
        if (min == 0) {
            min = static_cast<float>(FirstDayOfYear());
            Notify(names.min);
        }
        if (max == 100) {
            max = static_cast<float>(LastDayOfYear());
            Notify(names.max);
        }
    }
    if (s.MapStyle != 1 && value) {
        ResetAxis(asDate, min, max, unit, names);
        const char* text = "Invalid setting if 'MapStyle' = 0";
        if (RunTime()) throw Error(1030, text);
        ports.prompts.MsgBox(text, msgbox::Critical, "");
    }
    Notify(names.asDate);
}

void ucTesmo::setXAsDate(bool value) {
    d->SetDateAxis(value, d->s.XAsDate, d->s.MinX, d->s.MaxX, d->s.UnitX, kXNames);
}

void ucTesmo::setYAsDate(bool value) {
    d->SetDateAxis(value, d->s.YAsDate, d->s.MinY, d->s.MaxY, d->s.UnitY, kYNames);
}

enMapStyle ucTesmo::MapStyle() const { return static_cast<enMapStyle>(d->s.MapStyle); }

void ucTesmo::setMapStyle(enMapStyle value) {
    ControlState& s = d->s;
    s.MapStyle = static_cast<std::int32_t>(value);
    if (s.MapStyle == 1) {
        if (d->RunTime()) d->MenusForMode();
    } else if (s.MapStyle == 0) {
        if (d->RunTime()) {
            d->ports.surface.Cls();
            d->store.OpenDatabase();
            d->MenusForMode();
        } else {
            if (s.XAsDate) d->ResetAxis(s.XAsDate, s.MinX, s.MaxX, s.UnitX, kXNames);
            if (s.YAsDate) d->ResetAxis(s.YAsDate, s.MinY, s.MaxY, s.UnitY, kYNames);
        }
    }
    d->Notify("MapStyle");
}

}  // namespace tesmo
