#include "tracks/Playback.h"

#include "core/ControlState.h"
#include "menus/Menus.h"
#include "support/TrackName.h"
#include "surface/Ports.h"
#include "tesmo/Error.h"
#include "tracks/PathAnimation.h"
#include "tracks/TrackList.h"
#include "tracks/TrackStore.h"

namespace tesmo {
namespace {

constexpr std::int16_t kEscape = 27;

}  // namespace

bool Playback::DrawTrack(const std::string& name) {
    if (!ports_.host.Enabled()) return false;
    store_.RetryFailed();
    s_.PreviousTrackName = s_.TrackName;
    s_.TrackName = TrackNameOf(name);
    return ExecuteTrack(false);
}

bool Playback::ExecuteTrack(bool choose) {
    ResetFlagExit(s_);
    // Busy from the first load on, so that a request made during a load pauses too.
    if (s_.Drawing || s_.PlaybackBusy) {
        SetPaused(!s_.Paused);
        return false;
    }
    if (choose) {
        s_.PreviousTrackName = s_.TrackName;
        s_.TrackName = list_.ChooseTrack("Choose the Track");
    } else if (s_.TrackName.empty()) {
        s_.TrackName = list_.ChooseTrack("Choose the Track");
        s_.PreviousTrackName = s_.TrackName;
    }
    if (s_.TrackName.empty()) return false;

    // A pause asked for between two branches, or a host's cancel, must not outlive the
    // playback.
    struct Busy {
        ControlState& s;
        const Ports& ports;
        Menus& menus;
        explicit Busy(ControlState& state, const Ports& p, Menus& m) : s(state), ports(p), menus(m) {
            s.PlaybackBusy = true;
            TellDrawingState(s, ports);
        }
        ~Busy() {
            // A cancel that met no branch being drawn still ends the playback with FinishDrawing.
            if (s.CancelRequested && !s.FlagExit) ports.events.FinishDrawing();
            TellProgress(s, ports, s.ProgressReached, s.ProgressTotal, true);
            s.PlaybackBusy = false;
            s.CancelRequested = s.PlaybackCancelled = false;
            if (s.Paused) {
                s.Paused = false;
                if (s.MapStyle == 0) menus.RefreshPlaybackCommands();
            }
            TellDrawingState(s, ports);
        }
    } busy(s_, ports_, menus_);
    bool result = false;
    // The playback keeps its track when a request made meanwhile changes TrackName.
    const std::string name = s_.TrackName;
    do {
        s_.ReplayRequested = false;
        bool cancel = false;
        const int count = store_.CountBranches(name);
        s_.ProgressTotal = store_.CountPoints(name);
        s_.ProgressBase = s_.ProgressReached = 0;
        for (int branch = 1; branch <= count && !s_.ReplayRequested && !s_.CancelRequested && !s_.PlaybackCancelled;
             ++branch) {
            if (!store_.LoadBranch(name, static_cast<std::int16_t>(branch))) continue;
            if (s_.ReplayRequested) break;
            const std::uint64_t loaded = s_.PathGeneration;
            ports_.events.StartDrawing(cancel);
            ports_.ui.Yield();
            if (cancel) return result;
            if (s_.ReplayRequested) break;
            // A drawing made meanwhile (by the host's handler, say) took the branch's place.
            if (s_.PathGeneration != loaded && !store_.LoadBranch(name, static_cast<std::int16_t>(branch))) continue;
            s_.BranchCount = static_cast<std::int16_t>(count);
            s_.BranchIndex = static_cast<std::int16_t>(branch);
            result = path_.DrawPath();
            s_.ProgressBase = s_.ProgressReached;
        }
    } while (s_.ReplayRequested && !s_.FlagExit && !s_.CancelRequested && !s_.PlaybackCancelled);
    return result;
}

void Playback::SetPaused(bool paused) {
    if (!(s_.Drawing || s_.PlaybackBusy) || paused == s_.Paused) return;
    if (s_.MapStyle == 0) menus_.SetExecCaption(paused ? "Resume drawing in progress" : "Abort drawing in progress");
    s_.Paused = paused;
    TellDrawingState(s_, ports_);
}

void Playback::CancelDrawing() {
    if (s_.Drawing || s_.PlaybackBusy) s_.CancelRequested = true;
}

void Playback::Replay() {
    if (!s_.PlaybackBusy) return;
    s_.ReplayRequested = true;
    StopPath(s_);
}

void Playback::Cancel() {
    const CommandState& command = menus_.State(Command::Cancel);
    if (!command.enabled || !s_.Drawing) return;
    const int answer = ports_.prompts.MsgBox("Are you sure you want to cancel the current drawing ?",
                                             msgbox::Question | msgbox::YesNo | msgbox::DefaultButton2, command.caption);
    if (answer == msgbox::Yes) AbortDrawing(s_, ports_, menus_);
}

void Playback::KeyDown(std::int16_t& key) {
    if (!s_.EnableMenu || s_.MapStyle == 1 || s_.DbFailed || key != kEscape) return;
    key = 0;
    Cancel();
}

void Playback::DoubleClick() {
    if (!s_.EnableMenu || s_.MapStyle == 1) return;
    store_.RetryFailed();
    if (s_.DbFailed) {
        ports_.prompts.MsgBox(s_.AppFolder + "Tesmo.mdb\r\rThe database doesn't exist in the path.",
                              msgbox::Exclamation, "");
        return;
    }
    try {
        ExecuteTrack(store_.CountTracks() > 1);
    } catch (const Error& e) {
        s_.ControlError = e.description();
        throw;
    }
}

}  // namespace tesmo
