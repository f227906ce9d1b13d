#include "tracks/PathAnimation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

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
// Segments drawn together between two yields when nothing waits between them: well under a
// millisecond of drawing, so that input and painting go on as before.
constexpr std::size_t kSegmentsPerYield = 1024;
// How long a paused drawing sleeps at most before it looks at its flags again.
constexpr double kPausedWakeMs = 250;

}  // namespace

void AbortDrawing(ControlState& s, const Ports& ports, Menus& menus) {
    s.Drawing = false;
    s.Paused = false;
    if (s.MapStyle == 0) menus.RefreshPlaybackCommands();
    s.FlagExit = true;
    ports.surface.Cls();
    TellDrawingState(s, ports);
}

std::int32_t DrawingStateOf(const ControlState& s) {
    return !(s.Drawing || s.PlaybackBusy) ? 0 : s.Paused ? 2 : 1;
}

void TellDrawingState(ControlState& s, const Ports& ports) {
    const std::int32_t state = DrawingStateOf(s);
    if (state == s.ToldDrawingState) return;
    s.ToldDrawingState = state;
    ports.events.DrawingStateChanged(state);
}

void TellProgress(ControlState& s, const Ports& ports, std::size_t done, std::size_t total, bool last) {
    constexpr double kIntervalMs = 1000.0 / 30;
    const double now = ports.clock.NowMs();
    if (!last && now - s.ProgressToldMs < kIntervalMs) return;
    s.ProgressToldMs = now;
    const auto clamp = [](std::size_t n) { return static_cast<std::int32_t>(std::min<std::size_t>(n, INT32_MAX)); };
    ports.events.DrawingProgress(clamp(done), clamp(total));
}

bool PathAnimation::Stopped(std::uint64_t path) const {
    return s_.FlagExit || s_.CancelRequested || s_.PathGeneration != path;
}

PathAnimation::Outcome PathAnimation::HoldWhilePaused(std::uint64_t path) {
    while (s_.Paused) {
        if (Stopped(path)) return Outcome::Stopped;
        ports_.ui.Yield();
        // The resume comes with an event: sleep until one arrives rather than spin.
        if (s_.Paused && !Stopped(path)) ports_.ui.WaitUntil(ports_.clock.NowMs() + kPausedWakeMs);
    }
    return Stopped(path) ? Outcome::Stopped : Outcome::Done;
}

bool PathAnimation::DrawPath() {
    Surface& surface = ports_.surface;
    const std::uint64_t path = s_.PathGeneration;
    try {
        // Replaying the track asked for last starts on a clean map; another track is drawn over it.
        if (s_.MapStyle == 0 && !s_.TrackName.empty() && EqualsIgnoringCase(s_.TrackName, s_.PreviousTrackName) &&
            (s_.BranchCount == 1 || (s_.BranchCount > 1 && s_.BranchIndex == 1)))
            surface.Cls();
        s_.ControlError.clear();
        s_.Drawing = true;
        if (s_.MapStyle == 0) menus_.RefreshPlaybackCommands();
        TellDrawingState(s_, ports_);

        clsInterpol line(s_, ports_.ui);
        bool result = false;
        const std::size_t count = std::min(s_.PointsX.size(), s_.PointsY.size());
        const double lastX = count > 0 ? s_.PointsX[count - 1] : 0, lastY = count > 0 ? s_.PointsY[count - 1] : 0;
        // A playback counts the points of all its branches; a chart, its own.
        const std::size_t total = s_.PlaybackBusy ? s_.ProgressTotal : count;
        const std::size_t base = s_.PlaybackBusy ? s_.ProgressBase : 0;
        s_.ProgressReached = base + std::min<std::size_t>(count, 1);
        bool stopped = false;
        for (std::size_t i = 0; i + 1 < count; ++i) {
            ports_.ui.Yield();
            if (HoldWhilePaused(path) == Outcome::Stopped) {
                stopped = true;
                break;
            }
            if (WholeSegments() && !s_.ViewPoints) {
                // Nothing waits between these segments and nothing runs between them: they
                // go to the surface together, up to the next yield. The first goes alone, so
                // that the host hears of the drawing's progress as soon as it begins.
                const std::size_t end = std::min(count - 1, i == 0 ? 1 : i + kSegmentsPerYield);
                const std::int32_t color = UseDrawingPen();
                FillSingles(end + 1);
                surface.Polyline(std::span(s_.SingleX).subspan(i, end - i + 1),
                                 std::span(s_.SingleY).subspan(i, end - i + 1), color);
                i = end - 1;
                s_.ProgressReached = base + end + 1;
                if (s_.ProgressReached < total) TellProgress(s_, ports_, s_.ProgressReached, total, false);
                continue;
            }
            // Read only now: past the check above the arrays are still this drawing's.
            const double x1 = s_.PointsX[i], y1 = s_.PointsY[i], x2 = s_.PointsX[i + 1], y2 = s_.PointsY[i + 1];
            if (!line.Interpolazione(std::array{x1, x2}, std::array{y1, y2})) {
                s_.ControlError = line.ControlError();
                stopped = true;
                break;
            }
            if (Stopped(path)) {
                stopped = true;
                break;
            }
            const std::int32_t color = UseDrawingPen();
            if (DrawSegment(x1, y1, x2, y2, line.CoefficienteAngolare(), line.TermineNoto(), color, path) ==
                Outcome::Stopped) {
                stopped = true;
                break;
            }
            if (s_.ViewPoints) {
                surface.setDrawWidth(1);
                surface.Box(static_cast<float>(x1 - s_.PixelX), static_cast<float>(y1 - s_.PixelY),
                            static_cast<float>(x1 + s_.PixelX), static_cast<float>(y1 + s_.PixelY), kMarkerColor);
            }
            s_.ProgressReached = base + i + 2;
            if (s_.ProgressReached < total) TellProgress(s_, ports_, s_.ProgressReached, total, false);
        }
        if (!stopped) {
            if (s_.ViewPoints && count > 0) {
                surface.setDrawWidth(1);
                surface.Box(static_cast<float>(lastX - s_.PixelX), static_cast<float>(lastY - s_.PixelY),
                            static_cast<float>(lastX + s_.PixelX), static_cast<float>(lastY + s_.PixelY), kMarkerColor);
            }
            if (!s_.Title.empty()) PrintTitle(s_, ports_);
            result = true;
            if (!s_.PlaybackBusy) TellProgress(s_, ports_, count, count, true);
            ports_.ui.Yield();
            ports_.events.FinishDrawing();
            // A cancel that came as the path ended ends a playback here, its FinishDrawing
            // raised.
            if (s_.CancelRequested && s_.PlaybackBusy) {
                s_.CancelRequested = false;
                s_.PlaybackCancelled = true;
            }
        } else {
            // Stopped: where it stopped, once; a chart's here, a playback's at its end.
            if (!s_.PlaybackBusy) TellProgress(s_, ports_, s_.ProgressReached, total, true);
            // Cancelled by the host: what is drawn stays, and the drawing is over. A
            // drawing started from that event is a new one, not cancelled.
            if (s_.CancelRequested && !s_.FlagExit) {
                result = true;
                s_.CancelRequested = false;
                if (s_.PlaybackBusy) s_.PlaybackCancelled = true;
                ports_.events.FinishDrawing();
            }
        }
        if (!s_.PlaybackBusy) s_.CancelRequested = false;
        Finish();
        return result || s_.FlagExit;
    } catch (const std::exception& e) {
        const Error* error = dynamic_cast<const Error*>(&e);
        s_.Drawing = false;
        s_.Paused = false;
        if (!s_.PlaybackBusy) s_.CancelRequested = false;
        TellDrawingState(s_, ports_);
        s_.ControlError = error ? error->description() : e.what();
        return false;
    }
}

void PathAnimation::FillSingles(std::size_t count) {
    const auto extend = [count](const std::vector<double>& points, std::vector<float>& singles) {
        for (std::size_t i = singles.size(); i < count; ++i) singles.push_back(static_cast<float>(points[i]));
    };
    extend(s_.PointsX, s_.SingleX);
    extend(s_.PointsY, s_.SingleY);
}

bool PathAnimation::WholeSegments() const {
    // A step that is not a positive number (0, or loaded as stored) would never reach the
    // end of the segment: it is drawn whole instead.
    return !(s_.Delay > 0) || !(s_.BaseStep > 0) || !std::isfinite(s_.BaseStep);
}

std::int32_t PathAnimation::UseDrawingPen() {
    Surface& surface = ports_.surface;
    surface.setDrawWidth(s_.DrawWidth);
    const std::int32_t color = s_.MapStyle == 0 ? s_.TrackColor : s_.ForeColor;
    surface.setForeColor(color);
    surface.setFillColor(color);
    return color;
}

PathAnimation::Outcome PathAnimation::DrawSegment(double x1, double y1, double x2, double y2, double slope,
                                                  double intercept, std::int32_t color, std::uint64_t path) {
    Surface& surface = ports_.surface;
    const auto X1 = static_cast<float>(x1), Y1 = static_cast<float>(y1);
    const auto X2 = static_cast<float>(x2), Y2 = static_cast<float>(y2);
    if (WholeSegments()) {
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
        if (Stopped(path)) return Outcome::Stopped;
        WaitDelay(s_, ports_);
        if (HoldWhilePaused(path) == Outcome::Stopped) return Outcome::Stopped;
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
    // A cancelled playback goes idle at its end, without a "drawing" in between.
    if (!s_.PlaybackCancelled) TellDrawingState(s_, ports_);
    Surface& surface = ports_.surface;
    surface.setForeColor(s_.ForeColor);
    surface.setFillColor(s_.ForeColor);
    surface.setDrawWidth(s_.DrawWidth);
}

}  // namespace tesmo
