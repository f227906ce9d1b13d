#include "tracks/TrackCreation.h"

#include <algorithm>
#include <cstdint>

#include "core/ControlState.h"
#include "menus/Menus.h"
#include "support/TrackName.h"
#include "surface/Ports.h"
#include "tesmo/Error.h"
#include "tracks/TrackStore.h"

namespace tesmo {
namespace {

constexpr float kMarkerHalf = 15;
constexpr std::int32_t kPointsMarker = 255;     // red
constexpr std::int32_t kStepMarker = 0x00FFFF;  // light yellow

const char* Introduction(CreationMode mode) {
    return mode == CreationMode::ByStep
               ? "The following procedure allows to create one Track by STEP. Draw one single line (continue or "
                 "not, circle closing or not) through the mouse, then close the new Track with the corresponding "
                 "menu command.\r\rDo you want to proceed ?"
               : "The following procedure allows to create one Track by POINTS. Set all points one by one through "
                 "the mouse click, then close the new Track with the corresponding menu command.\r\rDo you want to "
                 "proceed ?";
}

}  // namespace

void TrackCreation::BeginNewTrack(CreationMode mode) {
    const Command command = mode == CreationMode::ByStep ? Command::LineDraw : Command::PointDraw;
    if (ports_.prompts.MsgBox(Introduction(mode), msgbox::Question | msgbox::YesNo, menus_.State(command).caption) !=
        msgbox::Yes)
        return;
    if (!SettleOpenTrack("proceed")) return;
    s_.NewTrackName = TrackNameOf(ports_.prompts.InputBox("Choose the new Track name.", "", ""));
    // A mode armed before would otherwise write its clicks under the new name, or under a
    // name nobody can see.
    if (s_.NewTrackName.empty()) {
        Disarm();
        return;
    }
    try {
        const TrackStore::NextBranch next = store_.FindNextBranch(s_.NewTrackName);
        s_.NewBranch = next.branch;
        s_.LastOrdinal = next.lastOrdinal;
    } catch (const Error&) {
        Disarm();
        return;
    }
    (mode == CreationMode::ByStep ? s_.ByStep : s_.ByPoints) = true;
    // Kept also without the menus: the host's commands follow the same states.
    menus_.ShowCreation(true);
}

bool TrackCreation::PlacePoint(float x, float y) {
    if (s_.DbFailed) return false;
    if (!s_.ByPoints && !s_.ByStep) return true;
    if (!TransactionKept()) return false;
    Surface& surface = ports_.surface;
    PointWrite write(s_, store_);
    if (!s_.ByPoints) surface.setDrawWidth(1);
    AdvanceOrdinal();
    surface.Box(x - kMarkerHalf, y - kMarkerHalf, x + kMarkerHalf, y + kMarkerHalf,
                s_.ByPoints ? kPointsMarker : kStepMarker);
    store_.InsertPoint(s_.LastOrdinal, s_.NewTrackName, s_.NewBranch, x, y);
    write.Done();
    if (!s_.ByPoints) {
        s_.LastX = x;
        s_.LastY = y;
    }
    return true;
}

void TrackCreation::StartStroke(float x, float y) {
    s_.LastX = x;
    s_.LastY = y;
}

bool TrackCreation::DragTo(float x, float y) {
    if (!s_.EnableMenu) return false;
    if (s_.DbFailed) return true;
    if (!TransactionKept()) return false;
    PointWrite write(s_, store_);
    AdvanceOrdinal();
    ports_.surface.Line(s_.LastX, s_.LastY, x, y, s_.TrackColor);
    store_.InsertPoint(s_.LastOrdinal, s_.NewTrackName, s_.NewBranch, x, y);
    write.Done();
    s_.LastX = x;
    s_.LastY = y;
    return true;
}

void TrackCreation::Commit() {
    if (s_.TrackOpen) {
        if (!TransactionKept()) return;
        try {
            store_.CommitTrans();
        } catch (const Error& e) {
            ports_.prompts.MsgBox(e.description(), msgbox::Critical, "");
            return;
        }
        s_.TrackOpen = false;
        ports_.prompts.MsgBox("New Track named  ''" + s_.NewTrackName + "''  (of the  " +
                                  std::to_string(s_.NewBranch) + "\u00B0 Branch) has been stored in DB.",
                              msgbox::Information, "");
        s_.TrackName = s_.NewTrackName;
        ports_.events.TracksChanged();
    }
    Disarm();
}

bool TrackCreation::SettleOpenTrack(const std::string& next) {
    if (!s_.TrackOpen || !TransactionKept()) return true;
    const int answer = ports_.prompts.MsgBox(
        "A new Track is still open and not saved.\r\rDo you want to save it before to " + next + " ?",
        msgbox::Question | msgbox::YesNo, "");
    try {
        if (answer == msgbox::Yes)
            store_.CommitTrans();
        else
            store_.RollbackTrans();
    } catch (const Error& e) {
        ports_.prompts.MsgBox(e.description(), msgbox::Critical, "");
        return false;
    }
    s_.TrackOpen = false;
    if (answer == msgbox::Yes) ports_.events.TracksChanged();
    return true;
}

void TrackCreation::DropOpenTrack() {
    if (s_.TrackOpen) {
        try {
            store_.RollbackTrans();
        } catch (const Error&) {
            // Closing the connection drops the transaction all the same.
        }
        s_.TrackOpen = false;
    }
    s_.ByStep = s_.ByPoints = false;
}

bool TrackCreation::UndoLastPoint() {
    if (!s_.ByStep && !s_.ByPoints) return false;
    if (!s_.TrackOpen || !TransactionKept()) return true;
    try {
        std::vector<TrackStore::Row> rows = store_.BranchRows(s_.NewTrackName, s_.NewBranch);
        if (rows.empty()) return true;
        store_.DeleteRow(s_.NewTrackName, s_.NewBranch, rows.back().ordinal);
        s_.LastOrdinal = rows.back().ordinal - 1;
        rows.pop_back();
        // No point left: nothing open, the mode still armed.
        if (rows.empty()) {
            store_.RollbackTrans();
            s_.TrackOpen = false;
        }
        RedrawOpenTrack(rows);
    } catch (const Error& e) {
        ports_.prompts.MsgBox(e.description(), msgbox::Critical, "");
    }
    return true;
}

void TrackCreation::RedrawOpenTrack(const std::vector<TrackStore::Row>& rows) {
    Surface& surface = ports_.surface;
    surface.Cls();
    const auto marker = [&](const TrackStore::Row& r, std::int32_t color) {
        surface.Box(r.x - kMarkerHalf, r.y - kMarkerHalf, r.x + kMarkerHalf, r.y + kMarkerHalf, color);
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (s_.ByPoints)
            marker(rows[i], kPointsMarker);
        else if (i > 0)
            surface.Line(rows[i - 1].x, rows[i - 1].y, rows[i].x, rows[i].y, s_.TrackColor);
    }
    // By step, the marker of a release at the point now last.
    if (s_.ByStep && !rows.empty()) {
        surface.setDrawWidth(1);
        marker(rows.back(), kStepMarker);
    }
    // By step, the line goes on from the point now last.
    if (!rows.empty()) {
        s_.LastX = rows.back().x;
        s_.LastY = rows.back().y;
    }
}

bool TrackCreation::Discard(bool ask) {
    if (!s_.ByStep && !s_.ByPoints) return false;
    if (ask) {
        std::size_t points = 0;
        try {
            if (s_.TrackOpen) points = store_.BranchRows(s_.NewTrackName, s_.NewBranch).size();
        } catch (const Error&) {
            // Counted as none: the question is still asked.
        }
        if (ports_.prompts.MsgBox("Discard the new Track  ''" + s_.NewTrackName + "''  and its " +
                                      std::to_string(points) + " points ?",
                                  msgbox::Question | msgbox::YesNo, "") != msgbox::Yes)
            return true;
    }
    if (s_.TrackOpen) {
        try {
            store_.RollbackTrans();
        } catch (const Error&) {
            // The engine has dropped the transaction already.
        }
        s_.TrackOpen = false;
        // Its points go from the map with it, as when every one is taken back.
        RedrawOpenTrack({});
    }
    Disarm();
    return true;
}

void TrackCreation::Disarm() {
    s_.ByStep = s_.ByPoints = false;
    menus_.ShowCreation(false);
}

bool TrackCreation::TransactionKept() {
    if (!s_.TrackOpen || store_.InTransaction()) return true;
    s_.TrackOpen = false;
    Disarm();
    ports_.prompts.MsgBox("New Track named  ''" + s_.NewTrackName +
                              "''  has not been stored: the database gave up its points.",
                          msgbox::Critical, "");
    return false;
}

void TrackCreation::AdvanceOrdinal() {
    if (s_.LastOrdinal == INT32_MAX) throw Error(errors::Overflow, "Overflow");
    ++s_.LastOrdinal;
}

TrackCreation::PointWrite::PointWrite(ControlState& state, TrackStore& store) : s_(state), store_(store) {
    if (s_.TrackOpen) return;
    store_.BeginTrans();
    s_.TrackOpen = began_ = true;
    // The branch was chosen when the track was named; another program may have stored a
    // branch of that name since. Chosen again under the track's write lock, so that two
    // tracks never share a branch (the ordinals of points refused meanwhile stay used).
    try {
        store_.LockTrack(s_.NewTrackName);
        const TrackStore::NextBranch next = store_.FindNextBranch(s_.NewTrackName);
        s_.LastOrdinal =
            next.branch == s_.NewBranch ? std::max(s_.LastOrdinal, next.lastOrdinal) : next.lastOrdinal;
        s_.NewBranch = next.branch;
    } catch (const Error&) {
        Abandon();
        throw;
    }
}

TrackCreation::PointWrite::~PointWrite() {
    if (began_ && !done_) Abandon();
}

void TrackCreation::PointWrite::Abandon() {
    try {
        store_.RollbackTrans();
    } catch (const Error&) {
        // The engine has dropped the transaction already.
    }
    s_.TrackOpen = false;
}

}  // namespace tesmo
