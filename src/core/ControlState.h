#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "scale/MappingRecord.h"
#include "scale/clsPoints.h"
#include "surface/Database.h"
#include "tesmo/Picture.h"
#include "tesmo/Variant.h"

namespace tesmo {

// The state of one control: every property value and the run-time state its parts share.
// Colours are RGB with red in the low byte; sizes and margins are twips.
struct ControlState {
    std::unique_ptr<clsPoints> Points;
    std::unique_ptr<tesmo::Connection> Connection;
    std::string AppFolder;
    bool Drawing = false;
    bool Paused = false;
    bool TrackOpen = false;
    std::int64_t ParentWindow = 0;
    bool DbTried = false;
    bool DbFailed = false;
    bool Topmost = false;
    float PixelX = 15.0f;
    float PixelY = 15.0f;
    bool AutoRedraw = true;
    bool AutoSize = false;
    float BaseStep = 30.0f;
    std::int32_t BorderStyle = 0;
    float BottomScale = 240.0f;
    float TopScale = 240.0f;
    float LeftScale = 480.0f;
    float RightScale = 480.0f;
    bool ClipControls = true;
    float CurrentX = 0.0f;
    float CurrentY = 0.0f;
    float Delay = 0.0f;
    std::int16_t DrawWidth = 1;
    bool EnableMenu = true;
    std::string ControlError;
    bool FlagExit = false;
    std::int32_t BackColor = 0xFFC0C0;
    std::int32_t ForeColor = 0x0000FF;
    std::int32_t GridColor = 0;
    std::int32_t TitleColor = 0x00FFFF;
    std::int32_t TextColor = 0;
    std::int32_t TrackColor = 0xFF0000;
    std::int32_t Height = 6200;
    std::int32_t MapStyle = 0;
    float MaxX = 100.0f;
    float MaxY = 100.0f;
    float MinX = 0.0f;
    float MinY = 0.0f;
    bool MouseScan = false;
    Variant MouseValueX = std::int16_t{0};
    Variant MouseValueY = std::int16_t{0};
    tesmo::Picture Picture;
    std::string Title;
    std::string TrackName;
    std::int32_t UnitX = 10;
    std::int32_t UnitY = 10;
    bool ViewGrid = false;
    bool ViewPoints = false;
    std::int32_t Width = 9600;
    bool XAsDate = false;
    bool YAsDate = false;

    // Set once the container has shut the control down: FlagExit then stays true.
    bool Terminated = false;

    // The chart's world-to-surface mapping.
    MappingRecord Mapping;

    // The path being animated, in surface units, and the branch being played.
    std::vector<double> PointsX;
    std::vector<double> PointsY;
    // The first points of PointsX / PointsY as the Singles a whole segment is drawn with,
    // made as drawings need them and kept while the path stands.
    std::vector<float> SingleX;
    std::vector<float> SingleY;
    // Counts the replacements of PointsX / PointsY: a drawing whose path is replaced from one
    // of its yields stops there instead of reading the new one. A new path is filled in
    // the spare vectors and put in place whole.
    std::uint64_t PathGeneration = 0;
    std::vector<double> SpareX;
    std::vector<double> SpareY;
    // When PointsX / PointsY are the chart's points as mapped: from which collection and
    // how many, with what mapping and what axis kinds as they stood after. Drawing the same
    // points again maps only those added since.
    struct MappedPoints {
        std::uint64_t generation = 0;
        std::size_t count = 0;
        MappingRecord mapping;
        bool xAsDate = false;
        bool yAsDate = false;
    };
    std::optional<MappedPoints> ChartPath;
    std::int16_t BranchIndex = 0;
    std::int16_t BranchCount = 0;
    std::string PreviousTrackName;
    // A playback is under way, from the loading of its first branch to the end of its last.
    bool PlaybackBusy = false;
    // The running playback is to start again from its first branch (over a new picture).
    bool ReplayRequested = false;
    // A host asked the drawing or playback under way to end where it is; the playback's
    // branch then ended so.
    bool CancelRequested = false;
    bool PlaybackCancelled = false;
    // The drawing's progress as last told to the host: points reached before the path being
    // drawn (earlier branches of a playback), all the points (0: the path's own), and when.
    std::size_t ProgressBase = 0;
    std::size_t ProgressTotal = 0;
    std::size_t ProgressReached = 0;
    double ProgressToldMs = -1e300;
    // The drawing state last told to the host: 0 idle, 1 drawing, 2 paused.
    std::int32_t ToldDrawingState = 0;

    // The track being created with the mouse: its mode, name and branch, the ordinal of
    // the last point written and the last point recorded by step.
    bool ByStep = false;
    bool ByPoints = false;
    std::string NewTrackName;
    std::int16_t NewBranch = 0;
    std::int32_t LastOrdinal = 0;
    float LastX = 0.0f;
    float LastY = 0.0f;

    // The settings dialog's Redraw flag: the scale construction then draws the points too.
    bool DialogRedraw = false;
};

// Empty vectors to fill with a new path, holding the memory of an earlier one.
inline void TakeSpare(ControlState& s, std::vector<double>& x, std::vector<double>& y) {
    x = std::move(s.SpareX);
    y = std::move(s.SpareY);
    s.SpareX.clear();
    s.SpareY.clear();
    x.clear();
    y.clear();
}

// Makes x / y the path to draw; the memory of the path it replaces is kept for the next.
inline void PutPath(ControlState& s, std::vector<double>&& x, std::vector<double>&& y) {
    ++s.PathGeneration;
    s.ChartPath.reset();
    s.SingleX.clear();
    s.SingleY.clear();
    s.SpareX = std::exchange(s.PointsX, std::move(x));
    s.SpareY = std::exchange(s.PointsY, std::move(y));
}

// Ends the path being drawn at its next step, leaving what it has drawn, as when its path
// is replaced.
inline void StopPath(ControlState& s) {
    ++s.PathGeneration;
}

// Clears a stop request, unless the control is shutting down.
inline void ResetFlagExit(ControlState& s) {
    s.FlagExit = s.Terminated;
}

}  // namespace tesmo
