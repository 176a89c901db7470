#include "workbook/SheetRecordset.h"

#include "base/Text.h"

namespace kaldoren {

SheetRecordset::SheetRecordset(const Sheet& sheet, std::vector<size_t> records,
                               std::vector<Column> columns)
    : sheet_(sheet), records_(std::move(records)) {
  for (const Column& c : columns) {
    upper_names_.push_back(Text::Upper(c.name));
    sheet_columns_.push_back(c.index);
  }
}

std::vector<SheetRecordset::Column> SheetRecordset::AllColumns(const Sheet& sheet) {
  std::vector<Column> columns;
  const std::vector<std::string>& names = sheet.ColumnNames();
  for (size_t i = 0; i < names.size(); ++i) {
    columns.push_back({names[i], static_cast<int>(i)});
  }
  return columns;
}

Value SheetRecordset::Field(std::string_view name) const {
  if (Eof()) return Value();
  const Cell* cell = sheet_.FindCell(sheet_.RecordCells(records_[position_]), SheetColumn(name));
  return cell != nullptr ? sheet_.ValueOf(*cell) : Value();
}

int SheetRecordset::SheetColumn(std::string_view name) const {
  // Readers ask for the same names in the same order on every record, so the
  // search starts after the name found last.
  size_t i = last_found_;
  for (size_t k = 0; k < remembered_.size(); ++k) {
    if (++i >= remembered_.size()) i = 0;
    if (remembered_[i].name == name) {
      last_found_ = i;
      return remembered_[i].sheet_column;
    }
  }
  Remembered found{std::string(name), -1};
  const std::string upper = Text::Upper(name);
  for (size_t i = 0; i < upper_names_.size() && found.sheet_column < 0; ++i) {
    if (upper_names_[i] == upper) found.sheet_column = sheet_columns_[i];
  }
  if (remembered_.size() < kRemembered) {
    last_found_ = remembered_.size();
    remembered_.push_back(found);
  } else {
    last_found_ = next_slot_;
    remembered_[next_slot_] = found;
    next_slot_ = (next_slot_ + 1) % kRemembered;
  }
  return found.sheet_column;
}

}  // namespace kaldoren
