#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tesmo/ucTesmo.h"

namespace tesmo {

// What a host (and the user's keys) can do to a drawing and to a new track beyond the
// control's own members: cancel or pause the drawing, take back the last point of the new
// track, or discard it; and what it can ask: the drawing's state, the stored tracks.
class Steering {
public:
    explicit Steering(ucTesmo& control) : c_(control) {}

    // Ends the chart drawing or playback under way at its next step; what it drew stays and
    // FinishDrawing is raised. Nothing when none runs.
    void CancelDrawing();
    // Pauses or resumes the drawing or playback under way, in either mode.
    void SetPaused(bool paused);
    bool IsPaused() const;
    // 0 idle, 1 drawing (also between the branches of a playback), 2 paused.
    std::int32_t DrawingState() const;
    // The last point of the new track taken back; false when no new track is armed.
    bool UndoLastPoint();
    // The new track rolled back and the mode disarmed, after the user's Yes when `ask`
    // (and no drawing runs); false when no new track is armed.
    bool DiscardNewTrack(bool ask);
    // A new track is armed or open.
    bool CreatingTrack() const;
    // The stored track names in order, without one being created; none when the store
    // cannot be read.
    std::vector<std::string> TrackNames();

private:
    ucTesmo& c_;
};

}  // namespace tesmo
