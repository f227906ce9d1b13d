#pragma once

#include <cstdint>
#include <string>

namespace tesmo {

struct ControlState;
struct Ports;
class Menus;
class TrackStore;
class TrackList;
class PathAnimation;

// Plays stored tracks branch by branch, and steers a running playback: pause and resume,
// cancel, the Esc key, the double click on the map.
class Playback {
public:
    Playback(ControlState& state, const Ports& ports, Menus& menus, TrackStore& store, TrackList& list,
             PathAnimation& path)
        : s_(state), ports_(ports), menus_(menus), store_(store), list_(list), path_(path) {}

    bool DrawTrack(const std::string& name);
    // Plays TrackName (chosen in the track list first when `choose`), or, while a playback
    // runs, pauses or resumes it.
    bool ExecuteTrack(bool choose);
    // "Cancel drawing in progress", after the user confirms.
    void Cancel();
    // Pauses or resumes the drawing or playback under way (nothing when none runs).
    void SetPaused(bool paused);
    // A host's cancel: the drawing or playback under way ends at its next step, what it
    // drew stays, and FinishDrawing is raised.
    void CancelDrawing();
    // Starts the running playback again from its first branch once the branch being drawn
    // has stopped (nothing when no playback runs).
    void Replay();
    // A key pressed on the surface; Esc cancels the playback and is swallowed.
    void KeyDown(std::int16_t& key);
    void DoubleClick();

private:
    ControlState& s_;
    const Ports& ports_;
    Menus& menus_;
    TrackStore& store_;
    TrackList& list_;
    PathAnimation& path_;
};

}  // namespace tesmo
