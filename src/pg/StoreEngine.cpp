#include "pg/StoreEngine.h"

#include <algorithm>
#include <iterator>

#include "pg/PgConnection.h"
#include "sqlite/SqliteConnection.h"

namespace tesmo {

bool StoreEngine::IsServer(std::string_view store) {
    if (store.starts_with("postgresql://") || store.starts_with("postgres://")) return true;
    // libpq's key=value form starts with one of its keywords; a file's name seldom does.
    static constexpr std::string_view keywords[] = {"host",   "hostaddr", "port",    "dbname",  "user",
                                                    "service", "sslmode", "passfile", "options"};
    const auto start = store.find_first_not_of(" \t");
    const auto equals = store.find('=');
    if (start == std::string_view::npos || equals == std::string_view::npos) return false;
    std::string_view key = store.substr(start, equals - start);
    while (key.ends_with(' ') || key.ends_with('\t')) key.remove_suffix(1);
    return std::find(std::begin(keywords), std::end(keywords), key) != std::end(keywords);
}

std::unique_ptr<Connection> StoreEngine::CreateConnection() {
    if (IsServer(store_)) return std::make_unique<PgConnection>();
    return std::make_unique<SqliteConnection>();
}

std::string StoreEngine::TrackDatabase(const std::string& appFolder) const {
    return store_.empty() ? DatabaseEngine::TrackDatabase(appFolder) : store_;
}

std::unique_ptr<Connection> StoreEngine::Open(const std::string& store) {
    StoreEngine engine(store);
    auto connection = engine.CreateConnection();
    connection->Open(IsServer(store) ? store : ConnectionStringFor(store));
    return connection;
}

}  // namespace tesmo
