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
    std::string text(store);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto start = text.find_first_not_of(" \t");
    if (start == std::string::npos) return false;
    text.erase(0, start);
    // Meant for a server, usable or not: a store is never a file whose name holds a password.
    if (text.find("password=") != std::string::npos) return true;
    // A URI whose scheme names the engine, in any of the forms drivers write it
    // ("postgresql://", "jdbc:postgresql://", "postgresql+driver://"); a path has no scheme.
    const std::string scheme = text.substr(0, text.find('/'));
    if (scheme.find(':') != std::string::npos && scheme.find("postgres") != std::string::npos) return true;
    // libpq's key=value form starts with one of its keywords (a file's name seldom does),
    // in whatever case.
    const auto equals = text.find('=');
    if (equals == std::string::npos) return false;
    std::string key = text.substr(0, equals);
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
