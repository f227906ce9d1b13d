#pragma once

namespace tesmo {

// The index that finds a track's rows, and a branch's points in order, without reading the
// whole table. Unquoted, so that PostgreSQL folds its name to lower case as it does TESMO's.
inline constexpr const char* kCreateTrackIndex =
    "CREATE INDEX IF NOT EXISTS TESMO_TRACK ON TESMO (tratto, ramo, ordinale)";

}  // namespace tesmo
