#include "control/Steering.h"

#include "control/ControlImpl.h"
#include "tesmo/Error.h"

namespace tesmo {

void Steering::CancelDrawing() {
    c_.d->playback.CancelDrawing();
}

void Steering::SetPaused(bool paused) {
    c_.d->playback.SetPaused(paused);
}

bool Steering::IsPaused() const {
    return DrawingState() == 2;
}

std::int32_t Steering::DrawingState() const {
    return DrawingStateOf(c_.d->s);
}

bool Steering::UndoLastPoint() {
    if (!c_.d->RunTime() || c_.d->s.Drawing || c_.d->s.PlaybackBusy) return false;
    return c_.d->creation.UndoLastPoint();
}

bool Steering::DiscardNewTrack(bool ask) {
    if (!c_.d->RunTime() || (ask && (c_.d->s.Drawing || c_.d->s.PlaybackBusy))) return false;
    return c_.d->creation.Discard(ask);
}

bool Steering::CreatingTrack() const {
    return c_.d->s.ByStep || c_.d->s.ByPoints;
}

std::vector<std::string> Steering::TrackNames() {
    const ControlState& s = c_.d->s;
    if (!c_.d->RunTime() || s.DbFailed || !s.Connection) return {};
    try {
        return c_.d->store.ListTracks();
    } catch (const Error&) {
        return {};
    }
}

}  // namespace tesmo
