#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "surface/Database.h"

namespace tesmo {

// A static set of rows kept column by column, which each engine's record set fills when it
// opens; moving and reading fields are the same for every engine.
class ColumnRecordSet : public RecordSet {
public:
    std::int32_t RecordCount() const override { return static_cast<std::int32_t>(rows_); }
    bool AtEnd() const override { return closed_ || current_ >= rows_; }
    void MoveFirst() override;
    void MoveLast() override;
    void MoveNext() override;
    Variant Field(const std::string& name) const override;
    void Close() override { closed_ = true; }

protected:
    enum class Cell : std::uint8_t { Empty, Integer, Real, Text };
    struct Column {
        std::string name;
        std::vector<Cell> cells;
        std::vector<double> numbers;  // the number, or the index of the text
        std::vector<std::string> texts;

        void AddNumber(Cell cell, double number) {
            cells.push_back(cell);
            numbers.push_back(number);
        }
        void AddText(std::string text) {
            cells.push_back(Cell::Text);
            numbers.push_back(static_cast<double>(texts.size()));
            texts.push_back(std::move(text));
        }
    };

    std::vector<Column> columns_;
    std::size_t rows_ = 0;

private:
    const Column& ColumnNamed(const std::string& name) const;
    void CheckOpen() const;

    std::size_t current_ = 0;
    bool closed_ = false;
    mutable std::size_t lastColumn_ = 0;
};

}  // namespace tesmo
