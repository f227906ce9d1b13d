#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "sqlite/SavepointTransactions.h"

struct sqlite3;
struct sqlite3_stmt;

namespace tesmo {

// A connection to an SQLite file.
class SqliteConnection : public SavepointTransactions {
public:
    SqliteConnection() = default;
    ~SqliteConnection() override;
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    int State() const override { return db_ ? kOpen : kClosed; }
    void Open(const std::string& connectionString) override;
    void Close() override;
    void Execute(const std::string& statement) override;
    std::unique_ptr<RecordSet> OpenRecordSet(const std::string& statement) override;
    bool InTransaction() const override;
    bool IndexTracks() override;

    // The file named by "data source=" in a connection string ("" when there is none); the
    // value may stand between single or double quotes, a doubled quote standing for one.
    static std::string DataSource(std::string_view connectionString);

private:
    sqlite3* handle() const;
    // The compiled statement; a text holding more than one statement is refused.
    std::unique_ptr<sqlite3_stmt, void (*)(sqlite3_stmt*)> Prepare(const std::string& statement) const;
    [[noreturn]] void Fail() const;
    // Runs a statement without the check Execute makes first.
    void Run(const std::string& statement);
    void BeginOutermost() override;
    void CommitOutermost() override;
    void Write(const std::string& statement) override { Execute(statement); }
    void Undo(const std::string& statement) override { Run(statement); }

    sqlite3* db_ = nullptr;
    std::string path_;
};

// Throws the engine's last failure on `db` as tesmo::Error: kEngineFailure for a statement
// that does not fit the database, kEngineErrorBase + SQLite's extended result code for
// anything else.
[[noreturn]] void ThrowEngineError(sqlite3* db);

// Creates an empty track database: the table TESMO (ordinale, tratto, ramo, X, Y) and its
// index.
// Throws tesmo::Error when the file exists or cannot be written.
void CreateTrackDatabase(const std::string& path);

}  // namespace tesmo
