#pragma once

#include "sqlite/ColumnRecordSet.h"

struct sqlite3_stmt;

namespace tesmo {

// Every row of an SQLite statement's result.
class SqliteRecordSet : public ColumnRecordSet {
public:
    // Steps the prepared statement to its end; throws on failure. Does not finalize it.
    explicit SqliteRecordSet(sqlite3_stmt* statement);
};

}  // namespace tesmo
