#include "tracks/TrackStore.h"

#include <charconv>
#include <utility>

#include "core/ControlState.h"
#include "menus/Menus.h"
#include "support/Conversions.h"
#include "surface/Ports.h"
#include "tesmo/Error.h"
#include "tracks/Transaction.h"

namespace tesmo {
namespace {

constexpr char kCR = '\r';

// The file engine's "busy" and "locked" (its codes 5 and 6): another program holds the file
// for now.
bool IsLocked(int number) {
    const int code = number - kEngineErrorBase;
    return code >= 0 && code < 0x8000 && ((code & 0xFF) == 5 || (code & 0xFF) == 6);
}

// Branches and ordinals compared as numbers, also in a table whose columns hold text (one
// made by importing a CSV file, say), where "10" would come before "2".
const std::string kBranches = "SELECT DISTINCT CAST(ramo AS INTEGER) AS ramo FROM TESMO WHERE tratto=";
const std::string kByOrdinal = " ORDER BY CAST(ordinale AS INTEGER)";

}  // namespace

std::string TrackStore::Quoted(const std::string& name) {
    return "'" + EscapeQuotes(name) + "'";
}

std::string TrackStore::CoordinateText(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string TrackStore::InsertStatement(std::int32_t ordinal, const std::string& name, std::int16_t branch, float x,
                                        float y) {
    // The columns named: a table may hold them in another order.
    return "INSERT INTO TESMO (ordinale,tratto,ramo,X,Y) VALUES (" + std::to_string(ordinal) + "," + Quoted(name) + "," + std::to_string(branch) +
           "," + CoordinateText(x) + "," + CoordinateText(y) + ")";
}

Connection& TrackStore::connection() {
    if (!s_.Connection) throw Error(91, "Object variable or With block variable not set");
    return *s_.Connection;
}

void TrackStore::OpenDatabase() {
    if (const std::string failure = Open(); !failure.empty()) ports_.prompts.MsgBox(failure, msgbox::Critical, "");
}

void TrackStore::RetryFailed() {
    if (s_.DbFailed && locked_ && s_.MapStyle == 0) Open();
}

std::string TrackStore::Open() {
    std::string failure;
    s_.DbTried = true;
    if (s_.TrackOpen && InTransaction()) return failure;
    try {
        CloseDatabase();
    } catch (const Error& e) {
        failure = e.description();
    }
    s_.Connection = ports_.database.CreateConnection();
    locked_ = false;
    try {
        s_.Connection->Open(ports_.database.TrackDatabase(s_.AppFolder));
    } catch (const Error& e) {
        failure = e.description();
        locked_ = IsLocked(e.number());
    }
    if (failure.empty()) {
        indexed_ = s_.Connection->IndexTracks();
        if (std::exchange(s_.DbFailed, false) && s_.MapStyle == 0) menus_.EnableTrackCommands();
        ports_.events.TracksChanged();
        return failure;
    }
    s_.DbFailed = true;
    if (s_.MapStyle == 0) menus_.DisableTrackCommands();
    return failure;
}

void TrackStore::CloseDatabase() {
    if (s_.Connection && s_.Connection->State() == Connection::kOpen) s_.Connection->Close();
    s_.Connection.reset();
}

std::string TrackStore::EscapeQuotes(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        result += c;
        if (c == '\'') result += '\'';
    }
    return result;
}

std::string TrackStore::NamesStatement(const std::optional<std::string>& except, bool indexed) {
    // Without the index each step below would read the whole table: DISTINCT reads it once.
    if (!indexed)
        return except ? "SELECT DISTINCT tratto FROM tesmo WHERE tratto <>" + Quoted(*except) + " ORDER BY tratto"
                      : "SELECT DISTINCT tratto FROM tesmo ORDER BY tratto";
    // The same names: each the first one after the one before, found in the index, a step
    // per track rather than a read of every row. The first of all comes from the column
    // itself, so that the names keep its collation to the final sort; rows without a name
    // (NULL) count once and sort where the engine sorts NULL, as with DISTINCT.
    const std::string other = except ? " AND tratto <>" + Quoted(*except) : "";
    return "WITH RECURSIVE names(tratto) AS ("
           "SELECT tratto FROM (SELECT tratto FROM tesmo WHERE tratto IS NOT NULL" + other +
           " ORDER BY tratto LIMIT 1) AS lowest"
           " UNION ALL SELECT (SELECT tratto FROM tesmo WHERE tratto > names.tratto" + other +
           " ORDER BY tratto LIMIT 1) FROM names WHERE tratto IS NOT NULL)"
           " SELECT tratto FROM names WHERE tratto IS NOT NULL"
           " UNION ALL SELECT tratto FROM (SELECT tratto FROM tesmo WHERE tratto IS NULL" + other +
           " LIMIT 1) AS nameless ORDER BY tratto";
}

std::int32_t TrackStore::CountTracks() {
    auto rows = connection().OpenRecordSet(NamesStatement(std::nullopt, indexed_));
    const std::int32_t count = rows->RecordCount();
    rows->Close();
    return count;
}

std::vector<std::string> TrackStore::ListTracks() {
    auto rows = connection().OpenRecordSet(
        NamesStatement(s_.TrackOpen ? std::optional(s_.NewTrackName) : std::nullopt, indexed_));
    std::vector<std::string> names;
    for (rows->MoveFirst(); !rows->AtEnd(); rows->MoveNext()) names.push_back(rows->Field("tratto").toString());
    rows->Close();
    return names;
}

std::int16_t TrackStore::CountBranches(const std::string& name) {
    try {
        auto rows = connection().OpenRecordSet(kBranches + Quoted(name) + " ORDER BY ramo");
        std::int16_t result = 1;
        if (rows->RecordCount() > 1) {
            rows->MoveLast();
            result = ToInt16(rows->RecordCount());
        }
        rows->Close();
        return result;
    } catch (const Error&) {
        return 0;
    }
}

bool TrackStore::LoadBranch(const std::string& name, std::int16_t n) {
    try {
        auto rows = connection().OpenRecordSet("SELECT ordinale,X,Y FROM tesmo WHERE tratto=" + Quoted(name) +
                                               " and CAST(ramo AS INTEGER)=" + std::to_string(n) + kByOrdinal);
        if (rows->RecordCount() < 1) {
            rows->Close();
            throw Error(1031, "Track name:  ''" + name + "''" + kCR + kCR + "This Track doesn't exist.");
        }
        rows->MoveLast();
        rows->MoveFirst();
        const auto count = static_cast<std::size_t>(rows->RecordCount());
        // Filled aside and put in place at the end: a drawing started from one of the yields
        // below may replace the path meanwhile.
        std::vector<double> x, y;
        TakeSpare(s_, x, y);
        x.resize(count);
        y.resize(count);
        for (std::size_t i = 0; i < count && !rows->AtEnd(); ++i) {
            x[i] = rows->Field("X").toDouble();
            y[i] = rows->Field("Y").toDouble();
            rows->MoveNext();
            ports_.ui.Yield();
            if (s_.FlagExit) break;
        }
        rows->Close();
        PutPath(s_, std::move(x), std::move(y));
        return true;
    } catch (const Error& e) {
        s_.Drawing = false;
        s_.Paused = false;
        s_.ControlError = e.description();
        if (s_.MapStyle == 1) s_.ControlError += std::string{kCR, kCR} + "To execute a track drawing set 'MapStyle' = 0";
        return false;
    }
}

std::size_t TrackStore::CountPoints(const std::string& name) {
    try {
        auto rows = connection().OpenRecordSet("SELECT COUNT(*) AS n FROM TESMO WHERE tratto=" + Quoted(name));
        const double n = rows->AtEnd() ? 0 : rows->Field("n").toDouble();
        rows->Close();
        return n > 0 ? static_cast<std::size_t>(n) : 0;
    } catch (const Error&) {
        return 0;
    }
}

std::vector<TrackStore::Row> TrackStore::BranchRows(const std::string& name, std::int16_t branch) {
    auto rows = connection().OpenRecordSet("SELECT ordinale,X,Y FROM TESMO WHERE tratto=" + Quoted(name) +
                                           " and CAST(ramo AS INTEGER)=" + std::to_string(branch) + kByOrdinal);
    std::vector<Row> result;
    for (rows->MoveFirst(); !rows->AtEnd(); rows->MoveNext())
        result.push_back({ToInt32(rows->Field("ordinale").toDouble()), RoundToSingle(rows->Field("X").toDouble()),
                          RoundToSingle(rows->Field("Y").toDouble())});
    rows->Close();
    return result;
}

void TrackStore::DeleteRow(const std::string& name, std::int16_t branch, std::int32_t ordinal) {
    connection().Execute("DELETE FROM TESMO WHERE tratto=" + Quoted(name) + " and CAST(ramo AS INTEGER)=" +
                         std::to_string(branch) + " and CAST(ordinale AS INTEGER)=" + std::to_string(ordinal));
}

TrackStore::NextBranch TrackStore::FindNextBranch(const std::string& name) {
    NextBranch next;
    auto branches = connection().OpenRecordSet(kBranches + Quoted(name) + " ORDER BY ramo");
    if (branches->RecordCount() < 1) {
        branches->Close();
        return next;
    }
    branches->MoveLast();
    next.branch = ToInt16(branches->Field("ramo").toDouble() + 1);
    branches->Close();
    auto points = connection().OpenRecordSet("SELECT ordinale,X,Y FROM TESMO WHERE tratto=" + Quoted(name) +
                                             " and CAST(ramo AS INTEGER)=" + std::to_string(next.branch - 1) + kByOrdinal);
    points->MoveLast();
    next.lastOrdinal = ToInt32(points->Field("ordinale").toDouble());
    points->Close();
    return next;
}

void TrackStore::InsertPoint(std::int32_t ordinal, const std::string& name, std::int16_t branch, float x, float y) {
    connection().Execute(InsertStatement(ordinal, name, branch, x, y));
}

bool TrackStore::DeleteTrack() {
    try {
        Transaction transaction(connection());
        connection().LockTrack(s_.TrackName);
        connection().Execute("DELETE FROM TESMO WHERE tratto =" + Quoted(s_.TrackName));
        transaction.Commit();
        return true;
    } catch (const Error& e) {
        s_.ControlError = e.description();
        return false;
    }
}

void TrackStore::LockTrack(const std::string& name) {
    connection().LockTrack(name);
}

void TrackStore::BeginTrans() {
    connection().BeginTrans();
}

void TrackStore::CommitTrans() {
    connection().CommitTrans();
}

void TrackStore::RollbackTrans() {
    connection().RollbackTrans();
}

bool TrackStore::InTransaction() const {
    return s_.Connection && s_.Connection->InTransaction();
}

}  // namespace tesmo
