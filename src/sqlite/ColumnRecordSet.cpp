#include "sqlite/ColumnRecordSet.h"

#include <limits>

#include "support/Text.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

[[noreturn]] void NoCurrentRow() {
    throw Error(3021, "Either BOF or EOF is True, or the current record has been deleted.");
}

}  // namespace

void ColumnRecordSet::CheckOpen() const {
    if (closed_) throw Error(3704, "Operation is not allowed when the object is closed.");
}

void ColumnRecordSet::MoveFirst() {
    CheckOpen();
    current_ = 0;
}

void ColumnRecordSet::MoveLast() {
    CheckOpen();
    if (rows_ == 0) NoCurrentRow();
    current_ = rows_ - 1;
}

void ColumnRecordSet::MoveNext() {
    CheckOpen();
    if (current_ >= rows_) NoCurrentRow();
    ++current_;
}

const ColumnRecordSet::Column& ColumnRecordSet::ColumnNamed(const std::string& name) const {
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

Variant ColumnRecordSet::Field(const std::string& name) const {
    CheckOpen();
    if (current_ >= rows_) NoCurrentRow();
    const Column& column = ColumnNamed(name);
    const double number = column.numbers[current_];
    switch (column.cells[current_]) {
        case Cell::Integer:
            if (number >= std::numeric_limits<std::int32_t>::min() && number <= std::numeric_limits<std::int32_t>::max())
                return Variant(static_cast<std::int32_t>(number));
            return Variant(number);
        case Cell::Real: return Variant(number);
        case Cell::Text: return Variant(column.texts[static_cast<std::size_t>(number)]);
        case Cell::Empty: break;
    }
    return {};
}

}  // namespace tesmo
