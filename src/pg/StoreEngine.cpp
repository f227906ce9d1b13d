#include "pg/StoreEngine.h"

#include <libpq-fe.h>

#include <algorithm>
#include <cctype>

#include "pg/PgConnection.h"
#include "sqlite/SqliteConnection.h"

namespace tesmo {
namespace {

// What a connection of the engine the store needs opens: the server's string as it is, a
// file as "data source=...".
std::string ConnectionOf(const std::string& store) {
    return StoreEngine::IsServer(store) ? store : ConnectionStringFor(store);
}

}  // namespace

bool StoreEngine::IsServer(std::string_view store) {
    const std::string text(store);
    const auto start = text.find_first_not_of(" \t");
    if (start == std::string::npos) return false;
    std::string lower = text.substr(start, 14);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower.starts_with("postgresql://") || lower.starts_with("postgres://")) return true;
    // libpq's key=value form starts with one of its keywords (a file's name seldom does);
    // one that libpq cannot read is still meant for a server, and may hold a password.
    const auto equals = text.find('=', start);
    if (equals == std::string::npos) return false;
    std::string key = text.substr(start, equals - start);
    while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.pop_back();
    PQconninfoOption* defaults = PQconndefaults();
    bool known = false;
    for (const PQconninfoOption* o = defaults; o && o->keyword && !known; ++o) known = key == o->keyword;
    PQconninfoFree(defaults);
    return known;
}

std::unique_ptr<Connection> StoreEngine::CreateConnection() {
    if (IsServer(store_)) return std::make_unique<PgConnection>();
    return std::make_unique<SqliteConnection>();
}

std::string StoreEngine::TrackDatabase(const std::string& appFolder) const {
    if (store_.empty()) return DatabaseEngine::TrackDatabase(appFolder);
    return ConnectionOf(store_);
}

std::unique_ptr<Connection> StoreEngine::Open(const std::string& store) {
    StoreEngine engine(store);
    auto connection = engine.CreateConnection();
    connection->Open(ConnectionOf(store));
    return connection;
}

}  // namespace tesmo
