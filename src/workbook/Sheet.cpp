#include "workbook/Sheet.h"

#include <algorithm>

#include "base/Text.h"

namespace kaldoren {
namespace {

bool CellBefore(const Cell& a, const Cell& b) {
  return a.row != b.row ? a.row < b.row : a.column < b.column;
}

}  // namespace

Sheet::Sheet(std::string name, std::shared_ptr<StringPool> strings)
    : name_(std::move(name)), strings_(std::move(strings)) {}

Cell& Sheet::Add(std::uint32_t row, std::uint16_t column, CellKind kind) {
  Cell& c = cells_.emplace_back();
  c.row = row;
  c.column = column;
  c.kind = kind;
  return c;
}

void Sheet::AddNumber(std::uint32_t row, std::uint16_t column, double x) {
  Add(row, column, CellKind::Number).number = x;
}

void Sheet::AddDate(std::uint32_t row, std::uint16_t column, double day_count) {
  Add(row, column, CellKind::Date).number = day_count;
}

void Sheet::AddText(std::uint32_t row, std::uint16_t column, std::string_view utf8) {
  AddPooledText(row, column, strings_->Add(utf8));
}

void Sheet::AddPooledText(std::uint32_t row, std::uint16_t column, std::uint32_t text_index) {
  Add(row, column, CellKind::Text).text_index = text_index;
}

void Sheet::AddBoolean(std::uint32_t row, std::uint16_t column, bool b) {
  Add(row, column, CellKind::Boolean).number = b ? -1 : 0;
}

void Sheet::AddError(std::uint32_t row, std::uint16_t column, std::uint8_t error_code) {
  Add(row, column, CellKind::Error).error_code = error_code;
}

void Sheet::AddBlank(std::uint32_t row, std::uint16_t column) { Add(row, column, CellKind::Blank); }

void Sheet::Finish() {
  if (finished_) return;
  finished_ = true;
  // Writers put cells in row order, one record a cell, so one look at the
  // order usually spares both the sort and the removal of duplicates.
  const bool strictly_ordered =
      std::adjacent_find(cells_.begin(), cells_.end(), [](const Cell& a, const Cell& b) {
        return !CellBefore(a, b);
      }) == cells_.end();
  if (!strictly_ordered && !std::is_sorted(cells_.begin(), cells_.end(), CellBefore)) {
    std::stable_sort(cells_.begin(), cells_.end(), CellBefore);
  }
  // Of two records for one cell the later one stands.
  std::vector<Cell> unique;
  if (!strictly_ordered &&
      std::adjacent_find(cells_.begin(), cells_.end(), [](const Cell& a, const Cell& b) {
        return a.row == b.row && a.column == b.column;
      }) != cells_.end()) {
    unique.reserve(cells_.size());
    for (const Cell& c : cells_) {
      if (!unique.empty() && unique.back().row == c.row && unique.back().column == c.column) {
        unique.back() = c;
      } else {
        unique.push_back(c);
      }
    }
    cells_.swap(unique);
  }
  // Spare room left by a reader's estimate is given back only when it is
  // much: giving it back copies every cell.
  if (cells_.capacity() - cells_.size() > cells_.size() / 4) cells_.shrink_to_fit();
  if (cells_.empty()) return;

  first_row_ = cells_.front().row;
  const std::uint32_t last_row = cells_.back().row;
  first_column_ = cells_.front().column;
  last_column_ = cells_.front().column;
  // Rows are indexed only from the first to the last used row, and only rows
  // that exist cost memory: the index has one entry per row of that span.
  // The same pass finds the first and last used columns.
  row_start_.assign(static_cast<size_t>(last_row - first_row_) + 2, 0);
  size_t i = 0;
  for (std::uint32_t r = first_row_; r <= last_row; ++r) {
    row_start_[r - first_row_] = static_cast<std::uint32_t>(i);
    for (; i < cells_.size() && cells_[i].row == r; ++i) {
      first_column_ = std::min(first_column_, cells_[i].column);
      last_column_ = std::max(last_column_, cells_[i].column);
    }
  }
  row_start_.back() = static_cast<std::uint32_t>(cells_.size());
  record_count_ = last_row - first_row_;
  BuildColumnNames();
}

void Sheet::BuildColumnNames() {
  const size_t count = static_cast<size_t>(last_column_ - first_column_) + 1;
  column_names_.assign(count, std::string());
  for (const Cell& c : RowCells(first_row_)) {
    column_names_[c.column - first_column_] = std::string(Text::Trim(ValueOf(c).TextForm()));
  }
  upper_names_.clear();
  for (size_t i = 0; i < count; ++i) {
    if (column_names_[i].empty()) column_names_[i] = "F" + std::to_string(i + 1);
    upper_names_.push_back(Text::Upper(column_names_[i]));
  }
}

std::span<const Cell> Sheet::RowCells(std::uint32_t row) const {
  if (row_start_.empty() || row < first_row_ || row - first_row_ + 1 >= row_start_.size()) {
    return {};
  }
  const size_t i = row - first_row_;
  return std::span<const Cell>(cells_).subspan(row_start_[i], row_start_[i + 1] - row_start_[i]);
}

std::span<const Cell> Sheet::RecordCells(size_t record) const {
  if (record >= record_count_) return {};
  return RowCells(first_row_ + 1 + static_cast<std::uint32_t>(record));
}

std::string_view Sheet::TextOf(const Cell& c) const {
  return c.kind == CellKind::Text ? strings_->Get(c.text_index) : std::string_view();
}

int Sheet::FindColumn(std::string_view name) const {
  const std::string upper = Text::Upper(name);
  for (size_t i = 0; i < upper_names_.size(); ++i) {
    if (upper_names_[i] == upper) return static_cast<int>(i);
  }
  return -1;
}

Value Sheet::RecordValue(size_t record, int column) const {
  if (column < 0) return Value();
  const std::uint16_t wanted = static_cast<std::uint16_t>(first_column_ + column);
  const std::span<const Cell> row = RecordCells(record);
  const auto it = std::lower_bound(row.begin(), row.end(), wanted,
                                   [](const Cell& c, std::uint16_t col) { return c.column < col; });
  if (it == row.end() || it->column != wanted) return Value();
  return ValueOf(*it);
}

}  // namespace kaldoren
