#include "sqlite/SqliteRecordSet.h"

#include <sqlite3.h>

#include <limits>

#include "sqlite/SqliteConnection.h"
#include "support/Text.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

[[noreturn]] void NoCurrentRow() {
    throw Error(3021, "Either BOF or EOF is True, or the current record has been deleted.");
}

}  // namespace

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
            const int type = sqlite3_column_type(statement, c);
            column.types.push_back(static_cast<std::uint8_t>(type));
            switch (type) {
                case SQLITE_INTEGER: column.numbers.push_back(static_cast<double>(sqlite3_column_int64(statement, c))); break;
                case SQLITE_FLOAT: column.numbers.push_back(sqlite3_column_double(statement, c)); break;
                case SQLITE_TEXT:
                case SQLITE_BLOB: {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
                    column.texts.emplace_back(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(statement, c)));
                    column.numbers.push_back(static_cast<double>(column.texts.size() - 1));
                    break;
                }
                default: column.numbers.push_back(0); break;
            }
        }
        ++rows_;
    }
}

void SqliteRecordSet::CheckOpen() const {
    if (closed_) throw Error(3704, "Operation is not allowed when the object is closed.");
}

void SqliteRecordSet::MoveFirst() {
    CheckOpen();
    current_ = 0;
}

void SqliteRecordSet::MoveLast() {
    CheckOpen();
    if (rows_ == 0) NoCurrentRow();
    current_ = rows_ - 1;
}

void SqliteRecordSet::MoveNext() {
    CheckOpen();
    if (current_ >= rows_) NoCurrentRow();
    ++current_;
}

const SqliteRecordSet::Column& SqliteRecordSet::ColumnNamed(const std::string& name) const {
    // Rows are read field after field in the same order: try the next column first.
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const std::size_t at = (lastColumn_ + i) % columns_.size();
        if (EqualsIgnoringCase(columns_[at].name, name)) {
            lastColumn_ = (at + 1) % columns_.size();
            return columns_[at];
        }
    }
    throw Error(3265, "Item cannot be found in the collection corresponding to the requested name or ordinal.");
}

Variant SqliteRecordSet::Field(const std::string& name) const {
    CheckOpen();
    if (current_ >= rows_) NoCurrentRow();
    const Column& column = ColumnNamed(name);
    const double number = column.numbers[current_];
    switch (column.types[current_]) {
        case SQLITE_INTEGER:
            if (number >= std::numeric_limits<std::int32_t>::min() && number <= std::numeric_limits<std::int32_t>::max())
                return Variant(static_cast<std::int32_t>(number));
            return Variant(number);
        case SQLITE_FLOAT: return Variant(number);
        case SQLITE_TEXT:
        case SQLITE_BLOB: return Variant(column.texts[static_cast<std::size_t>(number)]);
        default: return {};
    }
}

}  // namespace tesmo
