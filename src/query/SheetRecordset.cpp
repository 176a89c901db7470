#include "query/SheetRecordset.h"

namespace kaldoren {

SheetRecordset::SheetRecordset(const Sheet& sheet, std::vector<size_t> records,
                               std::vector<Column> columns)
    : sheet_(sheet),
      records_(std::move(records)),
      columns_(IndexOf(columns)),
      read_(columns.size()) {
  for (const Column& c : columns) sheet_columns_.push_back(c.index);
}

ColumnIndex SheetRecordset::IndexOf(const std::vector<Column>& columns) {
  std::vector<std::string> names;
  for (const Column& c : columns) names.push_back(c.name);
  return ColumnIndex(names);
}

std::vector<SheetRecordset::Column> SheetRecordset::AllColumns(const Sheet& sheet) {
  std::vector<Column> columns;
  const std::vector<std::string>& names = sheet.ColumnNames();
  for (size_t i = 0; i < names.size(); ++i) {
    columns.push_back({names[i], static_cast<int>(i)});
  }
  return columns;
}

const Value& SheetRecordset::FieldAt(int column) const {
  if (Eof() || column < 0 || static_cast<size_t>(column) >= read_.size()) return NoValue();
  Read& read = read_[column];
  if (read.read_at != position_) {
    if (cells_at_ != position_) {  // the first column read on this record
      cells_ = sheet_.RecordCells(records_[position_]);
      cells_at_ = position_;
      FetchAhead();
    }
    const Cell* cell = sheet_.FindCell(cells_, sheet_columns_[column]);
    read.value = ValueOf(cell, &read);
    read.read_at = position_;
  }
  return *read.value;
}

void SheetRecordset::FetchAhead() const {
  if (position_ + kAhead >= records_.size()) return;
  const std::span<const Cell> ahead = sheet_.RecordCells(records_[position_ + kAhead]);
  for (size_t i = 0; i < ahead.size(); i += kCellsPerLine) __builtin_prefetch(&ahead[i]);
}

const Value* SheetRecordset::ValueOf(const Cell* cell, Read* read) const {
  if (cell == nullptr) return &NoValue();
  if (cell->kind != CellKind::Text) {
    read->number = sheet_.ValueOf(*cell);
    return &read->number;
  }
  if (cell->text_index >= text_values_.size()) text_values_.resize(cell->text_index + 1, nullptr);
  const Value*& value = text_values_[cell->text_index];
  if (value == nullptr) value = &texts_.emplace_back(sheet_.ValueOf(*cell));
  return value;
}

}  // namespace kaldoren
