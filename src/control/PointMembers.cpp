// The chart's points: adding with bound checks, reading back, clearing.
#include "control/ControlImpl.h"
#include "support/NumberFormat.h"
#include "support/SharedValues.h"
#include "support/Text.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

constexpr char kCR = '\r';

// The value of a coordinate compared with the bounds: as a date on a date axis.
double ComparedValue(const Variant& value, bool asDate) {
    if (asDate && value.type() == VarType::String) {
        if (const auto day = ReadDateText(value.text())) return *day;
    }
    return value.toDouble();
}

clsPoints& PointsOf(ControlState& s) {
    if (!s.Points) throw Error(91, "Object variable or With block variable not set");
    return *s.Points;
}

}  // namespace

void ucTesmo::Impl::CheckBound(const Variant& value, float min, float max, bool asDate, bool isX) const {
    const double v = ComparedValue(value, asDate);
    if (v >= min && v <= max) return;
    auto text = [&](float bound) {
        return asDate ? ports.locale.ShortDateText(bound) : FormatGeneral(bound, 7, Shared().DecimalSeparator);
    };
    const std::string shown =
        value.type() == VarType::Date ? ports.locale.ShortDateText(value.number()) : value.toString();
    const std::string axis = isX ? "X" : "Y";
    std::string details = axis + ": ''" + shown + "''" + kCR;
    details += "Min" + axis + ": ''" + text(min) + "''" + kCR;
    details += "Max" + axis + ": ''" + text(max) + "''" + kCR + kCR;
    if (v < min) throw Error(isX ? 1024 : 1026, details + "The " + axis + " value is lesser than Min" + axis + " assigned.");
    throw Error(isX ? 1025 : 1027, details + "The " + axis + " value is greater than Max" + axis + " assigned.");
}

bool ucTesmo::Point_Add(const Variant& x, const Variant& Y, const std::string& Key) {
    if (!d->RunTime()) return false;
    ControlState& s = d->s;
    try {
        if (s.MapStyle == 1) {
            d->CheckBound(x, s.MinX, s.MaxX, s.XAsDate, true);
            d->CheckBound(Y, s.MinY, s.MaxY, s.YAsDate, false);
        }
        PointsOf(s).Add(x, Y, TrimBlanks(Key));
        return true;
    } catch (const Error& e) {
        s.ControlError = e.description();
        throw;
    }
}

tyPoint ucTesmo::Point_Item(const Variant& Index) const {
    return PointsOf(d->s).Item(Index);
}

std::int32_t ucTesmo::Point_Index(const std::string& Key) const {
    return PointsOf(d->s).Index(Key);
}

std::int32_t ucTesmo::Point_Count() const {
    return PointsOf(d->s).Count();
}

void ucTesmo::Point_Clear() {
    PointsOf(d->s).Clear();
}

}  // namespace tesmo
