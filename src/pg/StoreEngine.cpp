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

bool IsKeyChar(char c) {
    return (c >= 'a' && c <= 'z') || c == ' ' || c == '_';
}

// A URI whose scheme names the engine, in the forms drivers write it ("postgresql://",
// "jdbc:postgresql://", "postgresql+driver://", "pgsql:"). `text` is in lower case.
bool NamesTheEngine(std::string_view text) {
    if (text.starts_with("jdbc:")) text.remove_prefix(5);
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return false;
    std::string_view scheme = text.substr(0, colon);
    scheme = scheme.substr(0, scheme.find('+'));
    return scheme == "postgres" || scheme == "postgresql" || scheme == "pgsql" || scheme == "postgis";
}

// A password given as a key: a text meant for a server, usable or not, never a file's name.
bool NamesASecret(std::string_view text) {
    for (const std::string_view key : {"password", "pwd"}) {
        for (auto at = text.find(key); at != std::string_view::npos; at = text.find(key, at + 1)) {
            const auto next = text.find_first_not_of(" \t", at + key.size());
            if (next != std::string_view::npos && text[next] == '=') return true;
        }
    }
    return false;
}

// key=value pairs apart by ";", as other drivers write their connection strings.
bool IsPairList(std::string_view text) {
    const auto first = text.find('=');
    const auto semicolon = text.find(';', first);
    if (first == 0 || first == std::string_view::npos || semicolon == std::string_view::npos) return false;
    const auto isKey = [](std::string_view key) {
        return !key.empty() && std::all_of(key.begin(), key.end(), IsKeyChar);
    };
    const std::string_view rest = text.substr(semicolon + 1);
    const auto second = rest.find('=');
    return isKey(text.substr(0, first)) && second != std::string_view::npos && isKey(rest.substr(0, second));
}

}  // namespace

bool StoreEngine::IsServer(std::string_view store) {
    std::string text(store);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto start = text.find_first_not_of(" \t\r\n\f\v");
    if (start == std::string::npos) return false;
    text.erase(0, start);
    if (NamesTheEngine(text) || NamesASecret(text) || IsPairList(text)) return true;
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
