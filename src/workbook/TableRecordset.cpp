#include "workbook/TableRecordset.h"

#include "base/Text.h"

namespace kaldoren {

TableRecordset::TableRecordset(std::vector<std::string> columns,
                               std::vector<std::vector<Value>> rows)
    : rows_(std::move(rows)) {
  for (const std::string& c : columns) upper_columns_.push_back(Text::Upper(c));
}

Value TableRecordset::Field(std::string_view name) const {
  if (Eof()) return Value();
  const std::string upper = Text::Upper(name);
  for (size_t i = 0; i < upper_columns_.size(); ++i) {
    if (upper_columns_[i] == upper) {
      return i < rows_[position_].size() ? rows_[position_][i] : Value();
    }
  }
  return Value();
}

}  // namespace kaldoren
