#include "tracks/PathAnimation.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/ControlCore.h"
#include "core/ControlState.h"
#include "menus/Menus.h"
#include "support/Conversions.h"
#include "support/Text.h"
#include "surface/Ports.h"
#include "tesmo/Error.h"
#include "tracks/clsInterpol.h"

namespace tesmo {
namespace {

constexpr std::int32_t kMarkerColor = 255;

}  // namespace

PathAnimation::Outcome PathAnimation::HoldWhilePaused() {
    while (s_.Paused) {
        if (s_.FlagExit) return Outcome::Stopped;
        ports_.ui.Yield();
    }
    return s_.FlagExit ? Outcome::Stopped : Outcome::Done;
}

bool PathAnimation::DrawPath() {
    Surface& surface = ports_.surface;
    try {
        // Replaying the track asked for last starts on a clean map; another track is drawn over it.
        if (s_.MapStyle == 0 && !s_.TrackName.empty() && EqualsIgnoringCase(s_.TrackName, s_.PreviousTrackName) &&
            (s_.BranchCount == 1 || (s_.BranchCount > 1 && s_.BranchIndex == 1)))
            surface.Cls();
        s_.ControlError.clear();
        s_.Drawing = true;
        if (s_.MapStyle == 0) menus_.RefreshPlaybackCommands();

        clsInterpol line(s_, ports_.ui);
        bool result = false;
        const std::vector<double>& px = s_.PointsX;
        const std::vector<double>& py = s_.PointsY;
        const std::size_t count = std::min(px.size(), py.size());
        bool stopped = false;
        for (std::size_t i = 0; i + 1 < count && !stopped; ++i) {
            const double x1 = px[i], y1 = py[i], x2 = px[i + 1], y2 = py[i + 1];
            ports_.ui.Yield();
            if (HoldWhilePaused() == Outcome::Stopped) {
                stopped = true;
                break;
            }
            if (!line.Interpolazione(std::array{x1, x2}, std::array{y1, y2})) {
                s_.ControlError = line.ControlError();
                stopped = true;
                break;
            }
            surface.setDrawWidth(s_.DrawWidth);
            const std::int32_t color = s_.MapStyle == 0 ? s_.TrackColor : s_.ForeColor;
            surface.setForeColor(color);
            surface.setFillColor(color);
            if (DrawSegment(x1, y1, x2, y2, line.CoefficienteAngolare(), line.TermineNoto(), color) ==
                Outcome::Stopped) {
                stopped = true;
                break;
            }
            if (s_.ViewPoints) {
                surface.setDrawWidth(1);
                surface.Box(static_cast<float>(x1 - s_.PixelX), static_cast<float>(y1 - s_.PixelY),
                            static_cast<float>(x1 + s_.PixelX), static_cast<float>(y1 + s_.PixelY), kMarkerColor);
            }
        }
        if (!stopped) {
            if (s_.ViewPoints && count > 0) {
                surface.setDrawWidth(1);
                const double x = px[count - 1], y = py[count - 1];
                surface.Box(static_cast<float>(x - s_.PixelX), static_cast<float>(y - s_.PixelY),
                            static_cast<float>(x + s_.PixelX), static_cast<float>(y + s_.PixelY), kMarkerColor);
            }
            if (!s_.Title.empty()) PrintTitle(s_, ports_);
            result = true;
            ports_.ui.Yield();
            ports_.events.FinishDrawing();
        }
        Finish();
        return result || s_.FlagExit;
    } catch (const std::exception& e) {
        const Error* error = dynamic_cast<const Error*>(&e);
        s_.Drawing = false;
        s_.Paused = false;
        s_.ControlError = error ? error->description() : e.what();
        return false;
    }
}

PathAnimation::Outcome PathAnimation::DrawSegment(double x1, double y1, double x2, double y2, double slope,
                                                  double intercept, std::int32_t color) {
    Surface& surface = ports_.surface;
    const auto X1 = static_cast<float>(x1), Y1 = static_cast<float>(y1);
    const auto X2 = static_cast<float>(x2), Y2 = static_cast<float>(y2);
    // A zero step would never reach the end of the segment: draw it whole instead.
    if (s_.Delay == 0 || s_.BaseStep == 0) {
        surface.Line(X1, Y1, X2, Y2, color);
        return Outcome::Done;
    }
    const float m = ToSingle(slope);
    const float q = ToSingle(intercept);
    const float dX = std::fabs(X2 - X1);
    const float dY = std::fabs(Y2 - Y1);
    const float stepX = X2 < X1 ? -s_.BaseStep : s_.BaseStep;
    const float stepY = Y2 < Y1 ? -s_.BaseStep : s_.BaseStep;
    float curX = X1, curY = Y1, prevX = X1, prevY = Y1;
    for (;;) {
        if (!(std::fabs(curX - X1) < dX) && !(std::fabs(curY - Y1) < dY)) break;
        if (s_.FlagExit) return Outcome::Stopped;
        WaitDelay(s_, ports_);
        if (HoldWhilePaused() == Outcome::Stopped) return Outcome::Stopped;
        const float beforeX = curX, beforeY = curY;
        if (std::fabs(curX - X1) < dX) {
            curX = curX + stepX;
            curY = m * curX + q;
        } else if (std::fabs(curY - Y1) < dY) {
            curY = curY + stepY;
            curX = m == 0 ? X2 : (curY - q) / m;
        }
        if (std::fabs(curX - X1) > dX) curX = X2;
        if (std::fabs(curY - Y1) > dY) curY = Y2;
        // Far from the origin a step can be below the coordinates' precision: finish the
        // segment rather than stepping in place.
        if (curX == beforeX && curY == beforeY) {
            curX = X2;
            curY = Y2;
        }
        surface.Line(prevX, prevY, curX, curY, color);
        prevX = curX;
        prevY = curY;
    }
    return Outcome::Done;
}

void PathAnimation::Finish() {
    s_.Drawing = false;
    s_.Paused = false;
    if (s_.MapStyle == 0) menus_.RefreshPlaybackCommands();
    Surface& surface = ports_.surface;
    surface.setForeColor(s_.ForeColor);
    surface.setFillColor(s_.ForeColor);
    surface.setDrawWidth(s_.DrawWidth);
}

}  // namespace tesmo
