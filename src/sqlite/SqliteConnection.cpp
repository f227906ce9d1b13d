#include "sqlite/SqliteConnection.h"

#include <sqlite3.h>

#include <cctype>
#include <filesystem>
#include <memory>

#include "sqlite/SqliteRecordSet.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

}  // namespace

SqliteConnection::~SqliteConnection() {
    Close();
}

std::string SqliteConnection::DataSource(std::string_view connectionString) {
    while (!connectionString.empty()) {
        const auto end = connectionString.find(';');
        const std::string_view part = connectionString.substr(0, end);
        connectionString = end == std::string_view::npos ? std::string_view{} : connectionString.substr(end + 1);
        const auto equals = part.find('=');
        if (equals == std::string_view::npos) continue;
        std::string key;
        for (char c : Trim(part.substr(0, equals))) key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (key == "data source") return std::string(Trim(part.substr(equals + 1)));
    }
    return {};
}

sqlite3* SqliteConnection::handle() const {
    if (!db_) throw Error(3704, "Operation is not allowed when the object is closed.");
    return db_;
}

void SqliteConnection::Fail() const {
    throw Error(kEngineFailure, sqlite3_errmsg(db_));
}

void SqliteConnection::Open(const std::string& connectionString) {
    if (db_) throw Error(3705, "Operation is not allowed when the object is open.");
    const std::string path = DataSource(connectionString);
    if (path.empty()) throw Error(kEngineFailure, "The connection names no data source.");
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    // A file that is no database opens: its first read is what fails.
    const int probe = rc == SQLITE_OK ? sqlite3_exec(db, "PRAGMA schema_version", nullptr, nullptr, nullptr) : rc;
    if (probe != SQLITE_OK) {
        std::string message = path + ": " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        throw Error(kEngineFailure, message);
    }
    sqlite3_busy_timeout(db, 2000);
    db_ = db;
    depth_ = 0;
}

void SqliteConnection::Close() {
    if (!db_) return;
    sqlite3_close_v2(db_);
    db_ = nullptr;
    depth_ = 0;
}

std::unique_ptr<sqlite3_stmt, void (*)(sqlite3_stmt*)> SqliteConnection::Prepare(const std::string& statement) const {
    const char* tail = nullptr;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(handle(), statement.c_str(), static_cast<int>(statement.size()), &raw, &tail) != SQLITE_OK)
        Fail();
    std::unique_ptr<sqlite3_stmt, void (*)(sqlite3_stmt*)> prepared(raw, [](sqlite3_stmt* s) { sqlite3_finalize(s); });
    if (!Trim(tail ? std::string_view(tail) : std::string_view{}).empty())
        throw Error(kEngineFailure, "Characters found after end of SQL statement.");
    return prepared;
}

void SqliteConnection::Execute(const std::string& statement) {
    const auto prepared = Prepare(statement);
    while (true) {
        const int rc = sqlite3_step(prepared.get());
        if (rc == SQLITE_DONE) return;
        if (rc != SQLITE_ROW) Fail();
    }
}

std::unique_ptr<RecordSet> SqliteConnection::OpenRecordSet(const std::string& statement) {
    const auto prepared = Prepare(statement);
    return std::make_unique<SqliteRecordSet>(prepared.get());
}

void SqliteConnection::BeginTrans() {
    Execute(depth_ == 0 ? "BEGIN" : "SAVEPOINT tesmo_" + std::to_string(depth_));
    ++depth_;
}

void SqliteConnection::CommitTrans() {
    if (depth_ == 0) throw Error(kEngineFailure, "No transaction is active.");
    Execute(depth_ == 1 ? "COMMIT" : "RELEASE tesmo_" + std::to_string(depth_ - 1));
    --depth_;
}

void SqliteConnection::RollbackTrans() {
    if (depth_ == 0) throw Error(kEngineFailure, "No transaction is active.");
    if (depth_ == 1) {
        Execute("ROLLBACK");
    } else {
        const std::string name = "tesmo_" + std::to_string(depth_ - 1);
        Execute("ROLLBACK TO " + name);
        Execute("RELEASE " + name);
    }
    --depth_;
}

std::unique_ptr<Connection> SqliteEngine::CreateConnection() {
    return std::make_unique<SqliteConnection>();
}

void CreateTrackDatabase(const std::string& path) {
    if (std::filesystem::exists(path)) throw Error(58, path + ": the file already exists.");
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "CREATE TABLE TESMO (ordinale INTEGER, tratto TEXT, ramo SMALLINT, X REAL, Y REAL)",
                          nullptr, nullptr, nullptr);
    const std::string message = rc == SQLITE_OK ? std::string{} : path + ": " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    sqlite3_close_v2(db);
    if (rc != SQLITE_OK) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        throw Error(kEngineFailure, message);
    }
}

}  // namespace tesmo
