#pragma once

#include <string>

#include "surface/Database.h"

namespace tesmo {

// Begin, commit and rollback for an engine that takes transactions as SQL: the outermost
// is the engine's own transaction, one begun inside it a savepoint, each committed or
// rolled back on its own. The engines say how to run each kind of statement.
class SavepointTransactions : public Connection {
public:
    void BeginTrans() override;
    void CommitTrans() override;
    void RollbackTrans() override;

protected:
    virtual void BeginOutermost() = 0;
    virtual void CommitOutermost() = 0;
    // A statement that keeps or begins work ("SAVEPOINT", "RELEASE").
    virtual void Write(const std::string& statement) = 0;
    // A statement that undoes work ("ROLLBACK..."), which must run whatever state the
    // store is in.
    virtual void Undo(const std::string& statement) = 0;
    // Forgets the transactions begun when the engine has rolled them back on its own.
    void Resync();

    int depth_ = 0;  // open transactions, the outermost counted too
};

}  // namespace tesmo
