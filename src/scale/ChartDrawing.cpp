#include "scale/ChartDrawing.h"

#include <optional>

#include "core/ControlState.h"
#include "scale/Mapping.h"
#include "support/Conversions.h"
#include "support/SharedValues.h"
#include "surface/Ports.h"
#include "tesmo/Error.h"
#include "tracks/PathAnimation.h"

namespace tesmo {
namespace {

// The day number of a value that is a date, or a text that reads as one.
std::optional<double> DateOf(const Variant& value) {
    if (value.type() == VarType::Date) return value.number();
    if (value.type() == VarType::String) return ReadDateText(value.text());
    return std::nullopt;
}

// A coordinate as a chart value: a date's day number (which makes the axis a date axis),
// or the number it reads as, in single precision.
double WorldValue(const Variant& value, bool& asDate) {
    if (const auto day = DateOf(value)) {
        asDate = true;
        return *day;
    }
    return ToSingle(value.toDouble());
}

}  // namespace

bool ChartDrawing::Draw() {
    if (!ports_.host.Enabled()) return false;
    bool cancel = false;
    ports_.events.StartDrawing(cancel);
    ports_.ui.Yield();
    if (cancel) return false;
    // The control was shut down while the host's handler ran.
    if (s_.Terminated) return false;
    ResetFlagExit(s_);

    std::int32_t count = 0;
    const bool prepared = s_.MapStyle != 0 ? PreparePoints(count) : PrepareMapPoints(count);
    if (prepared) {
        s_.BranchCount = 1;
        return path_.DrawPath();
    }
    if (!s_.ControlError.empty()) throw Error(1023, s_.ControlError);
    if (count >= 2) {
        ports_.prompts.MsgBox("Invalid coordinate values", msgbox::Critical, "");
        return false;
    }
    throw Error(1033, "Need more points to execute the Track drawing.");
}

bool ChartDrawing::PreparePoints(std::int32_t& count) {
    count = s_.Points ? s_.Points->Count() : 0;
    if (count < 2) return false;
    try {
        ComputeMapping(s_, ports_.surface.ScaleWidth(), ports_.surface.ScaleHeight());
        const auto n = static_cast<std::size_t>(count);
        const clsPoints& points = *s_.Points;
        const auto& kept = s_.ChartPath;
        // The points mapped for the last drawing still stand when neither they, the mapping
        // nor the axis kinds changed: only the points added since are mapped.
        if (kept && kept->generation == points.Generation() && kept->count <= n && kept->mapping == s_.Mapping &&
            kept->xAsDate == s_.XAsDate && kept->yAsDate == s_.YAsDate) {
            const std::size_t from = kept->count;
            bool textFree = false;
            try {
                textFree = MapPoints(s_.PointsX, s_.PointsY, from, n);
            } catch (const Error&) {
                s_.PointsX.resize(from);
                s_.PointsY.resize(from);
                throw;
            }
            ++s_.PathGeneration;
            if (!textFree) {
                s_.ChartPath.reset();
                return true;
            }
        } else {
            std::vector<double> px, py;
            TakeSpare(s_, px, py);
            const bool textFree = MapPoints(px, py, 0, n);
            PutPath(s_, std::move(px), std::move(py));
            if (!textFree) return true;
        }
        s_.ChartPath = ControlState::MappedPoints{points.Generation(), n, s_.Mapping, s_.XAsDate, s_.YAsDate};
        return true;
    } catch (const Error& e) {
        s_.ControlError = e.description();
        return false;
    }
}

bool ChartDrawing::MapPoints(std::vector<double>& px, std::vector<double>& py, std::size_t from, std::size_t to) {
    // A copy: the loop need not read it again after every store.
    const MappingRecord m = s_.Mapping;
    const clsPoints& points = *s_.Points;
    px.reserve(to);
    py.reserve(to);
    bool textFree = true;
    for (std::size_t i = from; i < to; ++i) {
        const auto x = points.XNumberAt(i);
        const auto y = points.YNumberAt(i);
        if (x && y) {
            px.push_back(m.toSurfaceX(ToSingle(*x)));
            py.push_back(m.toSurfaceY(ToSingle(*y)));
        } else {
            const Variant vx = points.XAt(i), vy = points.YAt(i);
            textFree = textFree && vx.type() != VarType::String && vy.type() != VarType::String;
            px.push_back(m.toSurfaceX(x ? ToSingle(*x) : WorldValue(vx, s_.XAsDate)));
            py.push_back(m.toSurfaceY(y ? ToSingle(*y) : WorldValue(vy, s_.YAsDate)));
        }
    }
    return textFree;
}

bool ChartDrawing::PrepareMapPoints(std::int32_t& count) {
    count = s_.Points ? s_.Points->Count() : 0;
    if (count < 1) return false;
    try {
        const auto n = static_cast<std::size_t>(count);
        std::vector<double> px, py;
        TakeSpare(s_, px, py);
        px.resize(n);
        py.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            px[i] = s_.Points->XAt(i).toDouble();
            py[i] = s_.Points->YAt(i).toDouble();
        }
        PutPath(s_, std::move(px), std::move(py));
        return true;
    } catch (const Error& e) {
        s_.ControlError = e.description();
        return false;
    }
}

}  // namespace tesmo
