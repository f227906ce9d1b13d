#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "tesmo/Variant.h"

namespace tesmo {

// The failure an engine reports for anything it cannot do (a missing table or column, a
// file that is no database...), with the engine's own text as the description.
inline constexpr int kEngineFailure = static_cast<int>(0x80004005u);

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
    // Opens the database named by "data source=...;" in the connection string; never
    // creates it.
    virtual void Open(const std::string& connectionString) = 0;
    virtual void Close() = 0;
    virtual void Execute(const std::string& statement) = 0;
    virtual std::unique_ptr<RecordSet> OpenRecordSet(const std::string& statement) = 0;
    // A begin inside an open transaction opens a nested one, committed or rolled back on
    // its own.
    virtual void BeginTrans() = 0;
    virtual void CommitTrans() = 0;
    virtual void RollbackTrans() = 0;
};

class DatabaseEngine {
public:
    virtual ~DatabaseEngine() = default;
    virtual std::unique_ptr<Connection> CreateConnection() = 0;
};

}  // namespace tesmo
