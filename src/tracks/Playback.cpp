#include "tracks/Playback.h"

#include "core/ControlCore.h"
#include "core/ControlState.h"
#include "menus/Menus.h"
#include "support/Text.h"
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
    s_.PreviousTrackName = s_.TrackName;
    s_.TrackName = TrimBlanks(name);
    return ExecuteTrack(false);
}

bool Playback::ExecuteTrack(bool choose) {
    ResetFlagExit(s_);
    if (s_.Drawing) {
        if (!s_.Paused) {
            menus_.SetExecCaption("Resume drawing in progress");
            s_.Paused = true;
        } else {
            menus_.SetExecCaption("Abort drawing in progress");
            s_.Paused = false;
        }
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

    bool result = false;
    bool cancel = false;
    s_.BranchCount = store_.CountBranches();
    for (s_.BranchIndex = 1; s_.BranchIndex <= s_.BranchCount; ++s_.BranchIndex) {
        if (!store_.LoadBranch(s_.BranchIndex)) continue;
        ports_.events.StartDrawing(cancel);
        ports_.ui.Yield();
        if (cancel) return result;
        result = path_.DrawPath();
        if (s_.BranchIndex == INT16_MAX) break;
    }
    return result;
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
