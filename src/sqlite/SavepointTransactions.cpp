#include "sqlite/SavepointTransactions.h"

#include "tesmo/Error.h"

namespace tesmo {
namespace {

std::string Savepoint(int depth) {
    return "tesmo_" + std::to_string(depth);
}

}  // namespace

void SavepointTransactions::Resync() {
    if (!InTransaction()) depth_ = 0;
}

void SavepointTransactions::BeginTrans() {
    Resync();
    if (depth_ == 0)
        BeginOutermost();
    else
        Write("SAVEPOINT " + Savepoint(depth_));
    ++depth_;
}

void SavepointTransactions::CommitTrans() {
    Resync();
    if (depth_ == 0) throw Error(kEngineFailure, "No transaction is active.");
    if (depth_ == 1)
        CommitOutermost();
    else
        Write("RELEASE " + Savepoint(depth_ - 1));
    --depth_;
}

void SavepointTransactions::RollbackTrans() {
    Resync();
    if (depth_ == 0) throw Error(kEngineFailure, "No transaction is active.");
    if (depth_ == 1) {
        Undo("ROLLBACK");
    } else {
        Undo("ROLLBACK TO " + Savepoint(depth_ - 1));
        Undo("RELEASE " + Savepoint(depth_ - 1));
    }
    --depth_;
}

}  // namespace tesmo
