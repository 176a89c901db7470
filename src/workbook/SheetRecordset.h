// SheetRecordset: the result of a query that selects whole cells of a sheet
// (SELECT *, or a list of plain columns): the selected records, in result
// order, and which sheet column each result column shows. No cell is copied
// until Field reads it, so a result of 65,000 records costs one index each.
//
// Field finds a column by name without regard to case (the first of equal
// names wins) and remembers the last names it was asked for, because the
// report sections read the same few names, in the same order, on every
// record. The sheet must
// outlive the recordset.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/Recordset.h"
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
  Value Field(std::string_view name) const override;

 private:
  // The sheet column of a result column name; -1 when there is none.
  int SheetColumn(std::string_view name) const;

  struct Remembered {
    std::string name;  // as the caller wrote it
    int sheet_column = -1;
  };
  static constexpr size_t kRemembered = 32;

  const Sheet& sheet_;
  std::vector<size_t> records_;
  std::vector<std::string> upper_names_;
  std::vector<int> sheet_columns_;
  size_t position_ = 0;
  mutable std::vector<Remembered> remembered_;
  mutable size_t next_slot_ = 0;
  mutable size_t last_found_ = 0;
};

}  // namespace kaldoren
