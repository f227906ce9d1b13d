#pragma once

#include <string>
#include <vector>

#include "tracks/TrackStore.h"

namespace tesmo {

struct ControlState;
struct Ports;
class Menus;

enum class CreationMode { ByStep, ByPoints };

// New tracks drawn with the mouse: every point is written at once, inside one transaction
// that lasts until the user commits the track or declines to keep it.
class TrackCreation {
public:
    TrackCreation(ControlState& state, const Ports& ports, Menus& menus, TrackStore& store)
        : s_(state), ports_(ports), menus_(menus), store_(store) {}

    // "Create Track by step" / "Create Track by points": confirms, settles a track still
    // open, asks for the name and arms the mode. A cancelled or blank name arms nothing.
    void BeginNewTrack(CreationMode mode);
    // A left-button release on the map: a point of the armed mode, drawn and written.
    // False when the host is not to hear of the release (the database is unusable).
    // Throws when the point cannot be written.
    bool PlacePoint(float x, float y);
    // A left press while creation by step is armed: the line starts there (no row, no marker).
    void StartStroke(float x, float y);
    // A move with the left button held while creation by step is armed: the line from the
    // last point and a row for the point under the pointer. False when the host is not to
    // hear of the move (the menus are off). Throws when the point cannot be written.
    bool DragTo(float x, float y);
    // "Close and commit new Track". A commit that fails is reported and leaves the track
    // open, so that the user can try again or decline it.
    void Commit();
    // Asks whether to keep a track that is still open, before the user goes on to `next`
    // ("proceed", "exit"), and commits or drops it. False when the track stays open (its
    // commit failed); nothing to settle is true.
    bool SettleOpenTrack(const std::string& next);
    // Drops a track still open without asking, and disarms: the control is going away.
    void DropOpenTrack();
    // Takes the last point of the open track back: its row goes, and the map shows the
    // picture with the track as it now stands. With no point left the track stays armed.
    // False when no new track is armed.
    bool UndoLastPoint();
    // Rolls the new track back and disarms, as declining it does; when `ask`, only once the
    // user says Yes. False when no new track is armed.
    bool Discard(bool ask);
    // Nothing armed any more; the commands are those of no creation.
    void Disarm();

private:
    // The writing of one point: its transaction is opened with the track's first point,
    // and dropped again when that first point is not written, so that an open track
    // always holds a row.
    class PointWrite {
    public:
        PointWrite(ControlState& state, TrackStore& store);
        ~PointWrite();
        PointWrite(const PointWrite&) = delete;
        PointWrite& operator=(const PointWrite&) = delete;
        void Done() { done_ = true; }

    private:
        void Abandon();

        ControlState& s_;
        TrackStore& store_;
        bool began_ = false;
        bool done_ = false;
    };

    // False, with the user told and nothing armed, when the engine has dropped the open
    // track's transaction on its own (after a full disk, say): its points are gone, and
    // the next ones must not be kept one by one.
    bool TransactionKept();
    // The next ordinal; Overflow (6) past the last one a Long holds.
    void AdvanceOrdinal();
    // The open track drawn anew over the picture, as its mode draws it.
    void RedrawOpenTrack(const std::vector<TrackStore::Row>& rows);

    ControlState& s_;
    const Ports& ports_;
    Menus& menus_;
    TrackStore& store_;
};

}  // namespace tesmo
