#include "sqlite/SqliteRecordSet.h"

#include <sqlite3.h>

#include "sqlite/SqliteConnection.h"

namespace tesmo {

SqliteRecordSet::SqliteRecordSet(sqlite3_stmt* statement) {
    const int count = sqlite3_column_count(statement);
    columns_.resize(static_cast<std::size_t>(count));
    for (int c = 0; c < count; ++c) {
        const char* name = sqlite3_column_name(statement, c);
        columns_[static_cast<std::size_t>(c)].name = name ? name : "";
    }
    for (;;) {
        const int rc = sqlite3_step(statement);
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) ThrowEngineError(sqlite3_db_handle(statement));
        for (int c = 0; c < count; ++c) {
            Column& column = columns_[static_cast<std::size_t>(c)];
            switch (sqlite3_column_type(statement, c)) {
                case SQLITE_INTEGER:
                    column.AddNumber(Cell::Integer, static_cast<double>(sqlite3_column_int64(statement, c)));
                    break;
                case SQLITE_FLOAT: column.AddNumber(Cell::Real, sqlite3_column_double(statement, c)); break;
                case SQLITE_TEXT:
                case SQLITE_BLOB: {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
                    column.AddText(std::string(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(statement, c))));
                    break;
                }
                default: column.AddNumber(Cell::Empty, 0); break;
            }
        }
        ++rows_;
    }
}

}  // namespace tesmo
