// SheetRecordset: the result of a query that selects whole cells of a sheet
// (SELECT *, or a list of plain columns): the selected records, in result
// order, and which sheet column each result column shows. No cell is copied
// until Field reads it, so a result of 65,000 records costs one index each.
//
// The teacher checks read every record once per check item, so reading a
// column (Field, FieldAt) is the hottest call of a run and copies nothing: a
// text cell answers one value kept per distinct text of the workbook that has
// been read (made on its first read, kept as long as the recordset), a number
// or date cell a value kept per result column, and a column read again on the
// same record answers what it answered first. Columns are found by name
// through a ColumnIndex. The sheet must outlive the recordset.
#pragma once

#include <cstddef>
#include <deque>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "query/ColumnIndex.h"
#include "query/Recordset.h"
#include "workbook/Sheet.h"

namespace kaldoren {

class SheetRecordset final : public Recordset {
 public:
  struct Column {
    std::string name;  // the result column's name
    int index = -1;    // the sheet column it shows
  };

  // records are counted from 0 (Sheet::RecordValue).
  SheetRecordset(const Sheet& sheet, std::vector<size_t> records, std::vector<Column> columns);

  // Every column of the sheet under its own name, as SELECT * shows them.
  static std::vector<Column> AllColumns(const Sheet& sheet);

  bool Eof() const override { return position_ >= records_.size(); }
  void MoveFirst() override { position_ = 0; }
  void MoveLast() override { position_ = records_.empty() ? 0 : records_.size() - 1; }
  void MoveNext() override {
    if (position_ < records_.size()) ++position_;
  }
  long RecordCount() const override { return static_cast<long>(records_.size()); }
  int Position(std::string_view name) const override { return columns_.Find(name); }
  const Value& FieldAt(int position) const override;
  RowOrigin Origin() const override {
    if (Eof()) return {};
    return {&sheet_, records_[position_]};
  }

 private:
  // What a result column answered on the record at position read_at.
  struct Read {
    size_t read_at = std::numeric_limits<size_t>::max();  // nothing yet
    const Value* value = nullptr;
    Value number;  // the value of a cell that is not a text
  };

  static ColumnIndex IndexOf(const std::vector<Column>& columns);
  // The checks walk the records in order and read a few cells of each, and
  // the cells of 65,000 records are more than the processor's cache holds:
  // when a record is first read, its cells kAhead records on are asked for,
  // a cache line at a time, to be at hand in their turn (a run waited on
  // memory for a fifth of its time).
  static constexpr size_t kAhead = 4;
  static constexpr size_t kCellsPerLine = 64 / sizeof(Cell);
  void FetchAhead() const;
  // The value of a cell (nullptr for none), kept in read or among the texts.
  const Value* ValueOf(const Cell* cell, Read* read) const;

  const Sheet& sheet_;
  std::vector<size_t> records_;
  ColumnIndex columns_;
  std::vector<int> sheet_columns_;
  size_t position_ = 0;
  mutable std::vector<Read> read_;  // by result column
  // The cells of the record at position cells_at_.
  mutable size_t cells_at_ = std::numeric_limits<size_t>::max();
  mutable std::span<const Cell> cells_;
  // Values of the texts read, in a deque, so that growing it never moves a
  // value already answered, and found by their index in the workbook's
  // strings (nullptr for a text not read yet).
  mutable std::deque<Value> texts_;
  mutable std::vector<const Value*> text_values_;
};

}  // namespace kaldoren
