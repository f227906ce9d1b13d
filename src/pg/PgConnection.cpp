#include "pg/PgConnection.h"

#include <libpq-fe.h>

#include <cctype>
#include <cstdint>

#include "pg/PgRecordSet.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

int Base36(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                                        : 10 + (std::toupper(static_cast<unsigned char>(c)) - 'A') % 26;
}

std::string Trimmed(const char* text) {
    std::string s = text ? text : "";
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.pop_back();
    return s;
}

// The failure of `result` (or, without one, of the connection): SQLSTATE class 42 is a
// statement that does not fit the store.
Error ServerError(PGconn* conn, const PGresult* result) {
    const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const std::string code = state && std::string(state).size() == 5 ? state : "08006";
    const char* primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    const std::string text = primary ? Trimmed(primary) : Trimmed(PQerrorMessage(conn));
    if (code.starts_with("42")) return Error(kEngineFailure, text);
    return Error(kEngineErrorBase + 0x8000 + Base36(code[0]) * 36 + Base36(code[1]), text);
}

// A 64-bit FNV-1a hash: the same on every machine, so that every client locks the same key.
std::int64_t StableHash(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
    return static_cast<std::int64_t>(hash);
}

}  // namespace

PgConnection::~PgConnection() {
    Close();
}

PGconn* PgConnection::handle() const {
    if (!conn_) throw Error(3704, "Operation is not allowed when the object is closed.");
    return conn_;
}

void PgConnection::Open(const std::string& connectionString) {
    if (conn_) throw Error(3705, "Operation is not allowed when the object is open.");
    // The host's own settings come after ours, so that its connect_timeout wins.
    const char* keys[] = {"connect_timeout", "application_name", "dbname", nullptr};
    const char* values[] = {"10", "tesmo", connectionString.c_str(), nullptr};
    PGconn* conn = PQconnectdbParams(keys, values, 1);
    if (PQstatus(conn) != CONNECTION_OK) {
        const Error error = ServerError(conn, nullptr);
        PQfinish(conn);
        throw error;
    }
    // The server's notices (a shutdown under way, say) are not the host's console output.
    PQsetNoticeProcessor(conn, [](void*, const char*) {}, nullptr);
    conn_ = conn;
    depth_ = 0;
}

void PgConnection::Close() {
    if (!conn_) return;
    PQfinish(conn_);
    conn_ = nullptr;
    depth_ = 0;
}

PgConnection::Result PgConnection::Run(const std::string& statement) {
    // The extended protocol takes one statement only, as the control sends them.
    Result result(PQexecParams(handle(), statement.c_str(), 0, nullptr, nullptr, nullptr, nullptr, 0), PQclear);
    const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return result;
    const Error error = ServerError(conn_, result.get());
    // A failed statement spoils the whole transaction on this engine: drop it at once, as
    // SQLite drops one after a full disk, so that the control sees it gone.
    if (PQtransactionStatus(conn_) == PQTRANS_INERROR) Result(PQexec(conn_, "ROLLBACK"), PQclear);
    Resync();
    throw error;
}

void PgConnection::Execute(const std::string& statement) {
    Run(statement);
}

std::unique_ptr<RecordSet> PgConnection::OpenRecordSet(const std::string& statement) {
    const Result result = Run(statement);
    return std::make_unique<PgRecordSet>(result.get());
}

bool PgConnection::InTransaction() const {
    return conn_ && PQtransactionStatus(conn_) == PQTRANS_INTRANS;
}

void PgConnection::Resync() {
    if (!InTransaction()) depth_ = 0;
}

void PgConnection::BeginTrans() {
    Resync();
    if (depth_ == 0) {
        Run("BEGIN");
        // Another writer's lock is waited for as long as SQLite's busy wait, then refused:
        // the wait holds up the user interface.
        Run("SET LOCAL lock_timeout = '250ms'");
    } else {
        Run("SAVEPOINT tesmo_" + std::to_string(depth_));
    }
    ++depth_;
}

void PgConnection::CommitTrans() {
    Resync();
    if (depth_ == 0) throw Error(kEngineFailure, "No transaction is active.");
    if (depth_ > 1) {
        Run("RELEASE tesmo_" + std::to_string(depth_ - 1));
        --depth_;
        return;
    }
    const Result result = Run("COMMIT");
    depth_ = 0;
    // A transaction the server had given up answers COMMIT with ROLLBACK, without an error.
    if (std::string(PQcmdStatus(result.get())) != "COMMIT")
        throw Error(kEngineErrorBase + 0x8000 + 4 * 36, "The server rolled the transaction back.");  // class 40
}

void PgConnection::RollbackTrans() {
    Resync();
    if (depth_ == 0) throw Error(kEngineFailure, "No transaction is active.");
    if (depth_ == 1) {
        Run("ROLLBACK");
    } else {
        const std::string name = "tesmo_" + std::to_string(depth_ - 1);
        Run("ROLLBACK TO " + name);
        Run("RELEASE " + name);
    }
    --depth_;
}

void PgConnection::LockTrack(const std::string& name) {
    // Held to the end of the transaction: two clients writing one track name take turns,
    // so that each chooses its branch after the other's is stored. Other names go on.
    Run("SELECT pg_advisory_xact_lock(" + std::to_string(StableHash("TESMO track " + name)) + ")");
}

}  // namespace tesmo
