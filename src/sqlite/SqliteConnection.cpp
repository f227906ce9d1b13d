#include "sqlite/SqliteConnection.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>

#include "sqlite/SqliteRecordSet.h"
#include "sqlite/TrackIndex.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

// The name to give the engine: a path starting with "file:" would be read as a URI.
std::string FileName(const std::string& path) {
    return path.starts_with("file:") ? "./" + path : path;
}

Error EngineError(sqlite3* db, int code, const std::string& prefix) {
    if (db) code = sqlite3_extended_errcode(db);
    // SQLite's plain "SQL error" is what a statement that does not fit the table gives.
    const int number = (code & 0xFF) == SQLITE_ERROR ? kEngineFailure : kEngineErrorBase + (code & 0xFFFF);
    return Error(number, prefix + (db ? sqlite3_errmsg(db) : sqlite3_errstr(code)));
}

// How several connections, in this process or others, share one file:
// - The file's own journal (a rollback journal for the files Tesmo makes), so that the
//   database stays one plain file that also opens from a folder its user cannot write.
// - Readers are never held up by a track being recorded: its rows stay in this connection's
//   cache until the commit (no spill into the file, which would lock readers out).
// - Full sync: "has been stored" is said only once the commit has reached the disk.
// - A busy wait of 250 ms, set before the first read: a writer waits that long for another
//   writer (or a commit for readers still reading) and then fails with "database is
//   locked". The wait holds up the user interface, and a user can try again.
constexpr int kBusyWaitMs = 250;

void ShareWithOtherProcesses(sqlite3* db) {
    sqlite3_exec(db, "PRAGMA cache_spill=OFF", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
}

}  // namespace

SqliteConnection::~SqliteConnection() {
    Close();
}

std::string SqliteConnection::DataSource(std::string_view connectionString) {
    std::string_view rest = connectionString;
    while (!rest.empty()) {
        const auto equals = rest.find('=');
        if (equals == std::string_view::npos) break;
        std::string key;
        for (char c : Trim(rest.substr(0, equals))) key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        rest = Trim(rest.substr(equals + 1));
        std::string value;
        std::size_t end = 0;  // where the value's text ends
        if (!rest.empty() && (rest.front() == '"' || rest.front() == '\'')) {
            // A quoted value ends at a lone closing quote; a doubled quote stands for one.
            const char quote = rest.front();
            for (end = 1; end < rest.size(); ++end) {
                if (rest[end] == quote && (end + 1 == rest.size() || rest[end + 1] != quote)) break;
                value += rest[end];
                if (rest[end] == quote) ++end;
            }
        } else {
            end = std::min(rest.find(';'), rest.size());
            value = Trim(rest.substr(0, end));
        }
        const auto next = rest.find(';', end);
        rest = next == std::string_view::npos ? std::string_view{} : rest.substr(next + 1);
        if (key == "data source") return value;
    }
    return {};
}

sqlite3* SqliteConnection::handle() const {
    if (!db_) throw Error(3704, "Operation is not allowed when the object is closed.");
    return db_;
}

void SqliteConnection::Fail() const {
    ThrowEngineError(db_);
}

void ThrowEngineError(sqlite3* db) {
    throw EngineError(db, SQLITE_ERROR, {});
}

void SqliteConnection::Open(const std::string& connectionString) {
    if (db_) throw Error(3705, "Operation is not allowed when the object is open.");
    const std::string path = DataSource(connectionString);
    if (path.empty()) throw Error(kEngineFailure, "The connection names no data source.");
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(FileName(path).c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (db) sqlite3_busy_timeout(db, kBusyWaitMs);
    // A file that is no database opens: its first read is what fails.
    const int probe = rc == SQLITE_OK ? sqlite3_exec(db, "PRAGMA schema_version", nullptr, nullptr, nullptr) : rc;
    if (probe != SQLITE_OK) {
        const Error error = EngineError(db, rc, path + ": ");
        sqlite3_close_v2(db);
        throw error;
    }
    ShareWithOtherProcesses(db);
    db_ = db;
    path_ = path;
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
    // The engine goes on writing into a file that was deleted or replaced under it: refuse,
    // rather than report as kept what nobody will find.
    int moved = 0;
    if (sqlite3_file_control(handle(), "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved)
        throw Error(kEngineErrorBase + SQLITE_READONLY_DBMOVED, path_ + ": the database file has been moved or deleted.");
    Run(statement);
}

void SqliteConnection::Run(const std::string& statement) {
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

bool SqliteConnection::IndexTracks() {
    // Another writer is not waited for at all: the index comes at a later opening. A large
    // table's index is written out as it grows, rather than held in memory to the commit.
    // A failure (a read-only file, a table of other columns) rolls back on its own; an
    // index already there is found also in a file that cannot be written.
    sqlite3_busy_timeout(handle(), 0);
    sqlite3_exec(db_, "PRAGMA cache_spill=ON", nullptr, nullptr, nullptr);
    const bool indexed = sqlite3_exec(db_, kCreateTrackIndex, nullptr, nullptr, nullptr) == SQLITE_OK;
    ShareWithOtherProcesses(db_);
    sqlite3_busy_timeout(db_, kBusyWaitMs);
    return indexed;
}

bool SqliteConnection::InTransaction() const {
    return db_ && sqlite3_get_autocommit(db_) == 0;
}

void SqliteConnection::BeginOutermost() {
    // The write lock is taken at once (waiting the busy time for it): what a transaction
    // reads then stays true until it ends, and no upgrade can fail halfway.
    Execute("BEGIN IMMEDIATE");
}

void SqliteConnection::CommitOutermost() {
    Execute("COMMIT");
}

void CreateTrackDatabase(const std::string& path) {
    if (std::filesystem::exists(path)) throw Error(58, path + ": the file already exists.");
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(FileName(path).c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "CREATE TABLE TESMO (ordinale INTEGER, tratto TEXT, ramo SMALLINT, X REAL, Y REAL)",
                          nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, kCreateTrackIndex, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        const Error error = EngineError(db, rc, path + ": ");
        sqlite3_close_v2(db);
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        throw error;
    }
    sqlite3_close_v2(db);
}

}  // namespace tesmo
