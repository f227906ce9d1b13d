#include "pg/PgConnection.h"

#include <libpq-fe.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>

#include "pg/PgRecordSet.h"
#include "sqlite/TrackIndex.h"
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
// statement that does not fit the store. The server's and libpq's texts do not quote the
// password; the connection string, which may hold it, is never quoted.
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
    // Read first: libpq's complaint about a string it cannot read may quote it, password
    // and all.
    char* problem = nullptr;
    PQconninfoOption* options = PQconninfoParse(connectionString.c_str(), &problem);
    PQfreemem(problem);
    const Error unreadable(kEngineErrorBase + 0x8000 + 8 * 36 + 1, "The server's connection string cannot be read.");
    if (!options) throw unreadable;
    // A mistyped URI ("user:pa/ss@host", "user:p@ss@host") leaves pieces of its password in
    // the host or the port, which libpq would quote when it fails to connect.
    bool misread = false;
    for (const PQconninfoOption* o = options; o->keyword; ++o) {
        const std::string key = o->keyword, value = o->val ? o->val : "";
        misread = misread || (key == "host" && value.find('@') != std::string::npos) ||
                  (key == "port" && value.find_first_not_of("0123456789,") != std::string::npos);
    }
    PQconninfoFree(options);
    if (misread) throw unreadable;

    // A server that does not answer holds up the window: give up after 5 s (unless the
    // host's environment says otherwise) and notice a dead network within seconds. The
    // host's own settings come after ours and win.
    const char* timeout = std::getenv("PGCONNECT_TIMEOUT");
    const char* keys[] = {"application_name", "keepalives_idle", "keepalives_interval", "keepalives_count",
                          "connect_timeout", "dbname", nullptr};
    const char* values[] = {"tesmo", "10", "5", "3", timeout ? timeout : "5", connectionString.c_str(), nullptr};
    PGconn* conn = PQconnectdbParams(keys, values, 1);
    if (PQstatus(conn) != CONNECTION_OK) {
        const Error error = ServerError(conn, nullptr);
        PQfinish(conn);
        throw error;
    }
    conn_ = conn;
    depth_ = 0;
    try {
        Settle();
    } catch (const Error&) {
        Close();
        throw;
    }
}

void PgConnection::Settle() {
    // The server's notices (a shutdown under way, say) are not the host's console output.
    PQsetNoticeProcessor(conn_, [](void*, const char*) {}, nullptr);
    // Whatever the server's or the user's defaults: texts in UTF-8 and quoted as the
    // control quotes them (a backslash is a plain character), numbers written exactly, and
    // no read waiting long for a lock (a change of the table queued behind an open track).
    if (PQsetClientEncoding(conn_, "UTF8") != 0) throw ServerError(conn_, nullptr);
    // A session is not ended for a transaction left idle: a user may pause while drawing.
    for (const char* setting : {"SET standard_conforming_strings = on", "SET extra_float_digits = 3",
                                "SET lock_timeout = '2s'", "SET statement_timeout = '60s'",
                                "SET idle_in_transaction_session_timeout = 0"})
        Run(setting);
}

void PgConnection::Close() {
    if (!conn_) return;
    PQfinish(conn_);
    conn_ = nullptr;
    depth_ = 0;
}

PgConnection::Result PgConnection::Exec(const std::string& statement) {
    // The extended protocol takes one statement only, as the control sends them.
    Result result(PQexecParams(handle(), statement.c_str(), 0, nullptr, nullptr, nullptr, nullptr, 0), PQclear);
    ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    // A connection lost outside a transaction (the server restarted, say) is made again
    // once, and the statement sent again: the control writes only inside transactions.
    if (status == PGRES_FATAL_ERROR && depth_ == 0 && PQstatus(conn_) == CONNECTION_BAD) {
        PQreset(conn_);
        if (PQstatus(conn_) == CONNECTION_OK) {
            Settle();
            result.reset(PQexecParams(conn_, statement.c_str(), 0, nullptr, nullptr, nullptr, nullptr, 0));
            status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
        }
    }
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return result;
    throw ServerError(conn_, result.get());
}

PgConnection::Result PgConnection::Run(const std::string& statement) {
    try {
        return Exec(statement);
    } catch (const Error&) {
        Abandon();
        throw;
    }
}

void PgConnection::Abandon() {
    // A failed statement spoils the whole transaction on this engine: drop it at once, as
    // SQLite drops one after a full disk, so that the control sees it gone.
    if (PQtransactionStatus(conn_) == PQTRANS_INERROR) Result(PQexec(conn_, "ROLLBACK"), PQclear);
    Resync();
}

PgConnection::Result PgConnection::Statement(const std::string& statement) {
    if (!InTransaction()) return Run(statement);
    // Inside a transaction each statement has a savepoint of its own, so that its failure
    // undoes it alone and the transaction goes on, as on SQLite.
    Run("SAVEPOINT tesmo_statement");
    try {
        Result result = Exec(statement);
        Run("RELEASE SAVEPOINT tesmo_statement");
        return result;
    } catch (const Error&) {
        if (PQtransactionStatus(conn_) == PQTRANS_INERROR) {
            Result(PQexec(conn_, "ROLLBACK TO SAVEPOINT tesmo_statement"), PQclear);
            Result(PQexec(conn_, "RELEASE SAVEPOINT tesmo_statement"), PQclear);
        }
        Abandon();
        throw;
    }
}

void PgConnection::Execute(const std::string& statement) {
    Statement(statement);
}

std::unique_ptr<RecordSet> PgConnection::OpenRecordSet(const std::string& statement) {
    const Result result = Statement(statement);
    return std::make_unique<PgRecordSet>(result.get());
}

bool PgConnection::InTransaction() const {
    return conn_ && PQtransactionStatus(conn_) == PQTRANS_INTRANS;
}

void PgConnection::BeginOutermost() {
    // Read committed whatever the server's default: a track's branch is chosen again after
    // its lock is taken, and must see what others committed meanwhile.
    Run("BEGIN ISOLATION LEVEL READ COMMITTED");
    // Another writer's lock is waited for as long as SQLite's busy wait, then refused: the
    // wait holds up the user interface.
    Run("SET LOCAL lock_timeout = '250ms'");
}

void PgConnection::CommitOutermost() {
    const Result result = Run("COMMIT");
    // A transaction the server had given up answers COMMIT with ROLLBACK, without an error.
    if (std::string(PQcmdStatus(result.get())) != "COMMIT")
        throw Error(kEngineErrorBase + 0x8000 + 4 * 36, "The server rolled the transaction back.");  // class 40
}

bool PgConnection::IndexTracks() {
    // Creating an index waits for every open writer of the table, a track being recorded
    // elsewhere say, even when the index is there: the catalogue is asked first, and a
    // creation gets only a transaction's short wait for the lock. A failure has already
    // dropped its transaction.
    try {
        if (PQntuples(Exec(kTrackIndexFound).get()) > 0) return true;
        BeginTrans();
        Run(kCreateTrackIndex);
        CommitTrans();
        return true;
    } catch (const Error&) {
        return false;
    }
}

void PgConnection::LockTrack(const std::string& name) {
    // Held to the end of the transaction: two clients writing one track name take turns,
    // so that each chooses its branch after the other's is stored. Other names go on.
    Statement("SELECT pg_advisory_xact_lock(" + std::to_string(StableHash("TESMO track " + name)) + ")");
}

}  // namespace tesmo
