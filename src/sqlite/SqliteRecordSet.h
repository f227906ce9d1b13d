#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "surface/Database.h"

struct sqlite3_stmt;

namespace tesmo {

// Every row of a statement's result, kept column by column.
class SqliteRecordSet : public RecordSet {
public:
    // Steps the prepared statement to its end; throws on failure. Does not finalize it.
    explicit SqliteRecordSet(sqlite3_stmt* statement);

    std::int32_t RecordCount() const override { return static_cast<std::int32_t>(rows_); }
    bool AtEnd() const override { return closed_ || current_ >= rows_; }
    void MoveFirst() override;
    void MoveLast() override;
    void MoveNext() override;
    Variant Field(const std::string& name) const override;
    void Close() override { closed_ = true; }

private:
    struct Column {
        std::string name;
        std::vector<std::uint8_t> types;  // SQLite's fundamental types
        std::vector<double> numbers;      // the number, or the index of the text
        std::vector<std::string> texts;
    };
    const Column& ColumnNamed(const std::string& name) const;
    void CheckOpen() const;

    std::vector<Column> columns_;
    std::size_t rows_ = 0;
    std::size_t current_ = 0;
    bool closed_ = false;
    mutable std::size_t lastColumn_ = 0;
};

}  // namespace tesmo
