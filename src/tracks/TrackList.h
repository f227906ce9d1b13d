#pragma once

#include <string>

namespace tesmo {

struct ControlState;
struct Ports;
class TrackStore;

// The track list: viewing the stored tracks, choosing one, deleting one.
class TrackList {
public:
    TrackList(ControlState& state, const Ports& ports, TrackStore& store) : s_(state), ports_(ports), store_(store) {}

    // Shows the stored tracks under a title; the chosen name, or "".
    std::string ChooseTrack(const std::string& title);
    // "View available Tracks".
    void View();
    // "Delete Track...": chooses a track and deletes it once the user confirms.
    void Remove();

private:
    ControlState& s_;
    const Ports& ports_;
    TrackStore& store_;
};

}  // namespace tesmo
