#pragma once

#include "surface/Database.h"

namespace tesmo {

// A transaction on a connection: begun on construction, rolled back on destruction unless
// committed.
class Transaction {
public:
    explicit Transaction(Connection& connection) : connection_(connection) { connection_.BeginTrans(); }
    ~Transaction() {
        if (committed_) return;
        // Never throw from a destructor: a failed rollback leaves the engine to undo.
        try {
            connection_.RollbackTrans();
        } catch (...) {
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit() {
        connection_.CommitTrans();
        committed_ = true;
    }

private:
    Connection& connection_;
    bool committed_ = false;
};

}  // namespace tesmo
