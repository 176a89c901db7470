#include "query/TableRecordset.h"

namespace kaldoren {

TableRecordset::TableRecordset(std::vector<std::string> columns,
                               std::vector<std::vector<Value>> rows)
    : columns_(columns), rows_(std::move(rows)) {}

const Value& TableRecordset::FieldAt(int column) const {
  if (Eof() || column < 0) return NoValue();
  const std::vector<Value>& row = rows_[position_];
  return static_cast<size_t>(column) < row.size() ? row[column] : NoValue();
}

}  // namespace kaldoren
