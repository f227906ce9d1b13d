#include "pg/PgRecordSet.h"

#include <libpq-fe.h>

#include <charconv>
#include <limits>
#include <string_view>

namespace tesmo {
namespace {

// Type numbers of PostgreSQL's built-in types (pg_type.oid), fixed across versions.
constexpr Oid kBool = 16, kInt8 = 20, kInt2 = 21, kInt4 = 23, kOid = 26, kFloat4 = 700, kFloat8 = 701,
              kNumeric = 1700;

// The server writes numbers in the C locale: "1.5", "-1e+20", "NaN", "Infinity"; a boolean
// is "t" or "f", read as the control's true (-1) and false.
double ReadNumber(std::string_view text) {
    if (text == "NaN") return std::numeric_limits<double>::quiet_NaN();
    if (text == "Infinity") return std::numeric_limits<double>::infinity();
    if (text == "-Infinity") return -std::numeric_limits<double>::infinity();
    if (text == "t") return -1;
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

PgRecordSet::PgRecordSet(const PGresult* result) {
    const int count = PQnfields(result);
    rows_ = static_cast<std::size_t>(PQntuples(result));
    columns_.resize(static_cast<std::size_t>(count));
    for (int c = 0; c < count; ++c) {
        Column& column = columns_[static_cast<std::size_t>(c)];
        column.name = PQfname(result, c);
        const Oid type = PQftype(result, c);
        const bool whole = type == kInt2 || type == kInt4 || type == kInt8 || type == kOid || type == kBool;
        const bool real = type == kFloat4 || type == kFloat8 || type == kNumeric;
        column.cells.reserve(rows_);
        column.numbers.reserve(rows_);
        for (int row = 0; row < static_cast<int>(rows_); ++row) {
            const std::string_view value(PQgetvalue(result, row, c), static_cast<std::size_t>(PQgetlength(result, row, c)));
            if (PQgetisnull(result, row, c))
                column.AddNumber(Cell::Empty, 0);
            else if (whole || real)
                column.AddNumber(whole ? Cell::Integer : Cell::Real, ReadNumber(value));
            else
                column.AddText(std::string(value));
        }
    }
}

}  // namespace tesmo
