#pragma once

#include "sqlite/ColumnRecordSet.h"

typedef struct pg_result PGresult;

namespace tesmo {

// Every row of a PostgreSQL query result, converted by column type.
class PgRecordSet : public ColumnRecordSet {
public:
    // Takes the rows of a successful query result; does not free it.
    explicit PgRecordSet(const PGresult* result);
};

}  // namespace tesmo
