// Sheet: one worksheet of a workbook, its cells and its table view.
//
// The reader (or a test) adds cells in any order and calls Finish once; after
// that the sheet is read-only. The table view is what the queries see: the
// table is named after the sheet plus "$"; the first row of the used range
// gives the column names (a header cell's text form trimmed of spaces, "F1",
// "F2", ... by position for an empty header cell); every later row of the
// used range is a record, also when all its cells are empty. The used range
// runs from the first to the last row and column that hold a cell record of
// any kind, formatted blanks included.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Value.h"
#include "workbook/Cell.h"
#include "workbook/StringPool.h"

namespace kaldoren {

class Sheet {
 public:
  Sheet(std::string name, std::shared_ptr<StringPool> strings);

  const std::string& name() const { return name_; }
  // The table name of the queries: the sheet name followed by "$".
  std::string TableName() const { return name_ + "$"; }

  // Building. A later cell at the same row and column replaces an earlier one.
  // Reserve makes room for the given number of cells, when the caller knows it.
  void Reserve(size_t cells) { cells_.reserve(cells); }
  void AddNumber(std::uint32_t row, std::uint16_t column, double x);
  void AddDate(std::uint32_t row, std::uint16_t column, double day_count);
  void AddText(std::uint32_t row, std::uint16_t column, std::string_view utf8);
  void AddPooledText(std::uint32_t row, std::uint16_t column, std::uint32_t text_index);
  void AddBoolean(std::uint32_t row, std::uint16_t column, bool b);
  void AddError(std::uint32_t row, std::uint16_t column, std::uint8_t error_code);
  void AddBlank(std::uint32_t row, std::uint16_t column);
  void Finish();

  // Every cell record, by row, then column.
  const std::vector<Cell>& cells() const { return cells_; }
  std::string_view TextOf(const Cell& c) const;
  // The cell as the checks see it: booleans as -1/0, errors and blanks empty.
  // Inline, as it runs for every cell a check reads.
  Value ValueOf(const Cell& c) const {
    switch (c.kind) {
      case CellKind::Number:
      case CellKind::Boolean:
        return Value::Number(c.number);
      case CellKind::Date:
        return Value::Date(c.number);
      case CellKind::Text:
        return Value::Text(std::string(TextOf(c)));
      case CellKind::Blank:
      case CellKind::Error:
        break;
    }
    return Value();
  }

  // Table view.
  const std::vector<std::string>& ColumnNames() const { return column_names_; }
  // Index of a column by name, without regard to case; the first of equal
  // names wins; -1 when there is none.
  int FindColumn(std::string_view name) const;
  size_t RecordCount() const { return record_count_; }
  // Value of a record's column (both from 0); empty outside the table.
  Value RecordValue(size_t record, int column) const;
  // The cells of a record, by column; cell.column - FirstColumn() is the
  // column index.
  std::span<const Cell> RecordCells(size_t record) const;
  std::uint16_t FirstColumn() const { return first_column_; }
  // The sheet row (from 0, as Cell::row) of a record: the used range may
  // start below the sheet's first row, and its first row is the header.
  std::uint32_t RecordRow(size_t record) const {
    return first_row_ + 1 + static_cast<std::uint32_t>(record);
  }
  // The cell of a column (from 0) among the cells of one record, as
  // RecordCells gives them; nullptr when the record has none there. Quick
  // for the records the queries walk: few gaps before the column.
  // Inline, as it runs for every cell a query or a check reads.
  const Cell* FindCell(std::span<const Cell> record_cells, int column) const {
    if (column < 0 || record_cells.empty()) return nullptr;
    const auto wanted = static_cast<std::uint16_t>(first_column_ + column);
    // Cells are in column order, one at most per column, so the wanted one is
    // at its index or, when the record has gaps before it, a little earlier.
    size_t i = std::min(static_cast<size_t>(column), record_cells.size() - 1);
    while (i > 0 && record_cells[i].column > wanted) --i;
    return record_cells[i].column == wanted ? &record_cells[i] : nullptr;
  }

 private:
  // Appends a cell of that place and kind; the caller sets its value.
  Cell& Add(std::uint32_t row, std::uint16_t column, CellKind kind);
  std::span<const Cell> RowCells(std::uint32_t row) const;
  void BuildColumnNames();

  std::string name_;
  std::shared_ptr<StringPool> strings_;
  std::vector<Cell> cells_;
  bool finished_ = false;
  std::uint32_t first_row_ = 0;
  std::uint16_t first_column_ = 0;
  std::uint16_t last_column_ = 0;
  size_t record_count_ = 0;
  // row_start_[i] is the index in cells_ of the first cell of sheet row
  // first_row_ + i; one more entry marks the end.
  std::vector<std::uint32_t> row_start_;
  std::vector<std::string> column_names_;
  std::vector<std::string> upper_names_;
};

}  // namespace kaldoren
