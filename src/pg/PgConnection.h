#pragma once

#include <memory>
#include <string>

#include "sqlite/SavepointTransactions.h"

typedef struct pg_conn PGconn;
typedef struct pg_result PGresult;

namespace tesmo {

// A connection to a track store on a PostgreSQL server, opened with a libpq connection
// string ("postgresql://user@host/db" or "host=... dbname=..."); credentials come the libpq
// ways (the string, PGPASSWORD, ~/.pgpass) and never appear in an error.
//
// Engine failures: a statement that does not fit the store (SQLSTATE class 42: no such
// table or column...) is kEngineFailure; anything else is kEngineErrorBase + 0x8000 + the
// SQLSTATE class read as a base-36 number (08, connection lost: 0x8128), with the server's text.
class PgConnection : public SavepointTransactions {
public:
    PgConnection() = default;
    ~PgConnection() override;
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    int State() const override { return conn_ ? kOpen : kClosed; }
    void Open(const std::string& connectionString) override;
    void Close() override;
    void Execute(const std::string& statement) override;
    std::unique_ptr<RecordSet> OpenRecordSet(const std::string& statement) override;
    bool InTransaction() const override;
    void LockTrack(const std::string& name) override;
    bool IndexTracks() override;

    // One row when the track table has its index, read from the catalogue without locking
    // the table.
    static constexpr const char* kTrackIndexFound =
        "SELECT 1 FROM pg_index JOIN pg_class ON pg_class.oid = pg_index.indexrelid "
        "WHERE pg_index.indrelid = 'tesmo'::regclass AND pg_class.relname = 'tesmo_track'";

private:
    using Result = std::unique_ptr<PGresult, void (*)(PGresult*)>;
    PGconn* handle() const;
    // Runs one statement; throws the server's failure.
    Result Exec(const std::string& statement);
    // Runs one statement; throws the server's failure, after dropping a transaction the
    // failure has spoilt.
    Result Run(const std::string& statement);
    // Runs one of the store's statements; inside a transaction a failure undoes that
    // statement only.
    Result Statement(const std::string& statement);
    // Drops a transaction a failure has spoilt.
    void Abandon();
    void BeginOutermost() override;
    void CommitOutermost() override;
    void Write(const std::string& statement) override { Run(statement); }
    void Undo(const std::string& statement) override { Run(statement); }
    // The session's settings the control's statements rely on.
    void Settle();

    PGconn* conn_ = nullptr;
};

}  // namespace tesmo
