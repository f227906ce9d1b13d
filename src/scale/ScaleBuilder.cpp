#include "scale/ScaleBuilder.h"

#include <cmath>

#include "core/ControlState.h"
#include "menus/Menus.h"
#include "scale/Mapping.h"
#include "scale/StepChoice.h"
#include "scale/TickLabels.h"
#include "support/Conversions.h"
#include "support/DayNumber.h"
#include "support/SharedValues.h"
#include "surface/Ports.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

// The next tick value; a step too small to change the value ends the axis instead of
// looping on the same tick forever.
bool Advance(float& value, float step) {
    const float next = value + step;
    if (next == value || !std::isfinite(next)) return false;
    value = next;
    return true;
}

}  // namespace

bool ScaleBuilder::SetScaleUnit() {
    bool result = false;
    try {
        result = Build();
    } catch (const std::exception& e) {
        const Error* error = dynamic_cast<const Error*>(&e);
        s_.ControlError = error ? error->description() : e.what();
        RestoreSurface();
        result = false;
    }
    ports_.surface.setVisible(true);
    return result;
}

void ScaleBuilder::RestoreSurface() {
    Surface& surface = ports_.surface;
    surface.setDrawWidth(s_.DrawWidth);
    surface.setForeColor(s_.ForeColor);
    surface.setFillColor(s_.ForeColor);
}

void ScaleBuilder::UseGridPen() {
    Surface& surface = ports_.surface;
    surface.setDrawWidth(1);
    surface.setForeColor(s_.GridColor);
    surface.setFillColor(s_.GridColor);
}

ScaleBuilder::Outcome ScaleBuilder::Pause() {
    ports_.ui.Yield();
    if (s_.FlagExit) return Outcome::Stopped;
    // What ran meanwhile (a drawing, a colour set) may have left the surface another pen.
    UseGridPen();
    return Outcome::Done;
}

bool ScaleBuilder::Build() {
    if (s_.MapStyle == 0) throw Error(1032, "Invalid method if 'MapStyle' = 0");
    Surface& surface = ports_.surface;
    ComputeMapping(s_, surface.ScaleWidth(), surface.ScaleHeight());
    const MappingRecord& m = s_.Mapping;
    s_.ControlError.clear();
    ResetFlagExit(s_);
    if (s_.DialogRedraw) ports_.events.ChangeScaleSetting(false);
    if (s_.EnableMenu) {
        s_.ParentWindow = menus_.FindParentWindow();
        if (s_.ParentWindow != 0) menus_.RebuildSystemMenu(s_.ParentWindow, 1);
    }

    surface.Cls();
    surface.setVisible(false);
    UseGridPen();
    const float tickLength = static_cast<float>(RoundHalfEven(6 * s_.PixelX));

    surface.Line(m.PlotLeft, m.PlotBottom, m.PlotRight, m.PlotBottom);
    surface.Line(m.PlotLeft, m.PlotTop, m.PlotRight, m.PlotTop);
    const AxisStep xStep = ChooseStep({s_.UnitX, m.FactorX, s_.PixelX, m.RangeX, s_.XAsDate, s_.MinX, s_.MaxX,
                                       m.PlotRight - m.PlotLeft});
    if (xStep.newUnit) s_.UnitX = *xStep.newUnit;
    s_.XAsDate = xStep.asDate;
    if (xStep.tooSmall || DrawXAxis(xStep, tickLength) == Outcome::Stopped) return false;

    surface.Line(m.PlotLeft, m.PlotTop, m.PlotLeft, m.PlotBottom);
    surface.Line(m.PlotRight, m.PlotTop, m.PlotRight, m.PlotBottom);
    const AxisStep yStep = ChooseStep({s_.UnitY, m.FactorY, s_.PixelY, m.RangeY, s_.YAsDate, s_.MinY, s_.MaxY,
                                       m.PlotBottom - m.PlotTop});
    if (yStep.newUnit) s_.UnitY = *yStep.newUnit;
    s_.YAsDate = yStep.asDate;
    if (yStep.tooSmall || DrawYAxis(yStep, tickLength) == Outcome::Stopped) return false;

    RestoreSurface();
    if (s_.DialogRedraw) drawPoints_();
    return true;
}

ScaleBuilder::Outcome ScaleBuilder::DrawXAxis(const AxisStep& step, float tickLength) {
    Surface& surface = ports_.surface;
    const MappingRecord& m = s_.Mapping;
    const LabelPlacement place{m.SurfaceWidth, m.SurfaceHeight, s_.PixelX, s_.PixelY};
    float lastRight = 0;
    float x = (m.OriginX * m.FactorX + m.PlotLeft - m.LeftMargin) / m.FactorX;
    do {
        if (std::trunc(x) > s_.MaxX) break;
        const auto sx = static_cast<float>(m.toSurfaceX(x));
        if (s_.XAsDate && !IsValidDayNumber(std::trunc(x))) s_.XAsDate = false;
        const std::string label = TickLabel(x, s_.XAsDate, Shared());

        if (s_.ViewGrid) {
            surface.Line(sx, m.PlotBottom, sx, m.PlotTop);
        } else {
            surface.Line(sx, m.PlotBottom, sx, m.PlotBottom - tickLength);
            surface.Line(sx, m.PlotTop, sx, m.PlotTop + tickLength);
            if (LabelIsZero(label, s_.XAsDate, Shared().DecimalSeparator))
                surface.Line(sx, m.PlotTop, sx, m.PlotBottom);
        }

        const float w = surface.TextWidth(label);
        surface.setCurrentX(BottomLabelX(place, sx, w));
        surface.setCurrentY(BottomLabelY(place, s_.BottomScale, surface.TextHeight(label)));
        if (surface.CurrentX() > lastRight) surface.Print(label, false);
        surface.setCurrentX(TopLabelX(place, sx, w));
        surface.setCurrentY(TopLabelY(place, s_.TopScale, surface.TextHeight(label)));
        if (surface.CurrentX() > lastRight) {
            surface.Print(label, false);
            lastRight = surface.CurrentX();
        }

        const bool advanced = Advance(x, step.world);
        if (Pause() == Outcome::Stopped) return Outcome::Stopped;
        if (!advanced) break;
    } while (std::trunc(x) >= s_.MinX && std::trunc(x) <= s_.MaxX);
    return Outcome::Done;
}

ScaleBuilder::Outcome ScaleBuilder::DrawYAxis(const AxisStep& step, float tickLength) {
    Surface& surface = ports_.surface;
    const MappingRecord& m = s_.Mapping;
    const LabelPlacement place{m.SurfaceWidth, m.SurfaceHeight, s_.PixelX, s_.PixelY};
    float lastTop = 0;
    float y = (m.OriginY * m.FactorY + (m.SurfaceHeight - m.PlotBottom) - m.BottomMargin) / m.FactorY;
    do {
        if (std::trunc(y) > s_.MaxY) break;
        const auto sy = static_cast<float>(m.toSurfaceY(y));
        if (s_.YAsDate && !IsValidDayNumber(std::trunc(y))) s_.YAsDate = false;
        const std::string label = TickLabel(y, s_.YAsDate, Shared());
        const float w = surface.TextWidth(label);
        const float h = surface.TextHeight(label);
        const float labelY = SideLabelY(place, sy, h);
        // A label that would overlap the one below is left out, with its lines.
        const bool fits = labelY + surface.TextHeight("9") < lastTop || lastTop == 0;

        surface.setCurrentX(LeftLabelX(place, s_.LeftScale, w));
        surface.setCurrentY(labelY);
        if (fits) surface.Print(label, false);
        surface.setCurrentX(RightLabelX(place, s_.RightScale, w));
        surface.setCurrentY(labelY);
        if (fits) {
            surface.Print(label, false);
            lastTop = surface.CurrentY();
        }

        if (fits) {
            if (s_.ViewGrid) {
                surface.Line(m.PlotLeft, sy, m.PlotRight, sy);
            } else {
                surface.Line(m.PlotLeft, sy, m.PlotLeft + tickLength, sy);
                surface.Line(m.PlotRight, sy, m.PlotRight - tickLength, sy);
                if (LabelIsZero(label, s_.YAsDate, Shared().DecimalSeparator))
                    surface.Line(m.PlotLeft, sy, m.PlotRight, sy);
            }
        }

        const bool advanced = Advance(y, step.world);
        if (Pause() == Outcome::Stopped) return Outcome::Stopped;
        if (!advanced) break;
    } while (std::trunc(y) >= s_.MinY && std::trunc(y) <= s_.MaxY);
    return Outcome::Done;
}

}  // namespace tesmo
