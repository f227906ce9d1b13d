#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "tesmo/Variant.h"

namespace tesmo {

// The failure an engine reports when a statement does not fit the database: a missing
// table or column, a wrong number of values. Other failures (a locked, read-only, full or
// damaged file...) carry the engine's own code in the low 16 bits of kEngineErrorBase, so
// that they never pass for one of the control's own numbers. Every failure carries the
// engine's text.
inline constexpr int kEngineFailure = static_cast<int>(0x80004005u);
inline constexpr int kEngineErrorBase = static_cast<int>(0x80040000u);

// The connection string naming a database file. The path stands between double quotes
// (a double quote in it doubled), so that ";" and "=" in folder names stay part of it.
inline std::string ConnectionStringFor(const std::string& path) {
    std::string quoted;
    for (char c : path) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return "data source=\"" + quoted + "\";";
}

// A static, client-side, read-only set of rows: every row is fetched when it opens, so the
// record count is exact. Failing calls throw tesmo::Error.
class RecordSet {
public:
    virtual ~RecordSet() = default;
    virtual std::int32_t RecordCount() const = 0;
    virtual bool AtEnd() const = 0;
    virtual void MoveFirst() = 0;
    virtual void MoveLast() = 0;
    virtual void MoveNext() = 0;
    // The field of the current row, by column name (compared without regard to case).
    virtual Variant Field(const std::string& name) const = 0;
    virtual void Close() = 0;
};

// A connection to the track database. Statements are sent as given.
class Connection {
public:
    static constexpr int kClosed = 0;
    static constexpr int kOpen = 1;

    virtual ~Connection() = default;
    virtual int State() const = 0;
    // Opens the database named by "data source=...;" in the connection string (the value
    // plain, or between single or double quotes); never creates it.
    virtual void Open(const std::string& connectionString) = 0;
    virtual void Close() = 0;
    virtual void Execute(const std::string& statement) = 0;
    virtual std::unique_ptr<RecordSet> OpenRecordSet(const std::string& statement) = 0;
    // A begin inside an open transaction opens a nested one, committed or rolled back on
    // its own.
    virtual void BeginTrans() = 0;
    virtual void CommitTrans() = 0;
    virtual void RollbackTrans() = 0;
    // False also when the engine itself has rolled a begun transaction back after a
    // failure (a full disk, say): later statements would then be kept one by one.
    virtual bool InTransaction() const = 0;
    // Inside a transaction: makes other clients that write the track `name` wait (a bounded
    // time) until this transaction ends. An engine whose transactions lock the whole
    // database for writing does nothing here.
    virtual void LockTrack(const std::string& name) { (void)name; }
    // Gives the track table its index when it has none, if the store can be written and
    // nobody else holds the table: never waits long for it and reports no failure. True
    // when the table has the index.
    virtual bool IndexTracks() = 0;
};

class DatabaseEngine {
public:
    virtual ~DatabaseEngine() = default;
    virtual std::unique_ptr<Connection> CreateConnection() = 0;
    // The connection string of the track database for a control whose folder is
    // `appFolder` (ending in "/"): by default the file Tesmo.mdb there.
    virtual std::string TrackDatabase(const std::string& appFolder) const {
        return ConnectionStringFor(appFolder + "Tesmo.mdb");
    }
};

}  // namespace tesmo
