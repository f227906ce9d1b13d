#pragma once

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>

#include "TrackTool.h"
#include "pg/StoreEngine.h"

namespace tesmo::test {

// The test cluster's socket folder (TESMO_PG_DIR, set by CTest), or "" without one.
inline std::string ClusterFolder() {
    const char* dir = std::getenv("TESMO_PG_DIR");
    return dir ? dir : "";
}

inline std::string ServerConnection(const std::string& folder, const std::string& database) {
    return "host=" + folder + " user=postgres dbname=" + database;
}

// A database of its own on a cluster, holding an empty track table, dropped at the end.
class ServerStore {
public:
    explicit ServerStore(std::string folder = ClusterFolder()) : folder_(std::move(folder)) {
        static std::atomic<int> next{0};
        name_ = "tesmo_" + std::to_string(getpid()) + "_" + std::to_string(next++);
        Admin()->Execute("CREATE DATABASE " + name_);
        // Defaults a server may have that the control must not depend on.
        Admin()->Execute("ALTER DATABASE " + name_ + " SET standard_conforming_strings = off");
        Admin()->Execute("ALTER DATABASE " + name_ + " SET default_transaction_isolation = 'repeatable read'");
        Admin()->Execute("ALTER DATABASE " + name_ + " SET idle_in_transaction_session_timeout = '300ms'");
        std::ostringstream out, err;
        if (tool::Run({"init", connection()}, out, err) != 0) throw std::runtime_error(err.str());
    }
    ~ServerStore() {
        try {
            Admin()->Execute("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
        } catch (...) {
            // The server may be gone: a test stops one.
        }
    }
    ServerStore(const ServerStore&) = delete;
    ServerStore& operator=(const ServerStore&) = delete;

    std::string connection() const { return ServerConnection(folder_, name_); }

private:
    std::unique_ptr<Connection> Admin() const { return StoreEngine::Open(ServerConnection(folder_, "postgres")); }

    std::string folder_;
    std::string name_;
};

}  // namespace tesmo::test
