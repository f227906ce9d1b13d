#pragma once

#include <string>
#include <string_view>

#include "surface/Database.h"

namespace tesmo {

// The engine of the track store a host chose: the SQLite file Tesmo.mdb in the control's
// folder (an empty choice), another SQLite file named by its path, or a PostgreSQL server
// named by a libpq connection string.
class StoreEngine : public DatabaseEngine {
public:
    explicit StoreEngine(std::string store = {}) : store_(std::move(store)) {}

    std::unique_ptr<Connection> CreateConnection() override;
    std::string TrackDatabase(const std::string& appFolder) const override;

    // True for a "postgresql://" or "postgres://" URI (in any case) and for libpq's
    // key=value form (a string that starts with one of libpq's keywords and "=").
    static bool IsServer(std::string_view store);
    // Opens a connection to a store given as a server's connection string or a file's path.
    static std::unique_ptr<Connection> Open(const std::string& store);

private:
    std::string store_;
};

}  // namespace tesmo
