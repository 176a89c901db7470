// TableRecordset: a recordset over rows of values held in memory, for query
// results the engine computes (groups, literal rows) and for tests. FieldAt
// answers the value held in the row.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "query/ColumnIndex.h"
#include "query/Recordset.h"

namespace kaldoren {

class TableRecordset final : public Recordset {
 public:
  TableRecordset(std::vector<std::string> columns, std::vector<std::vector<Value>> rows);

  bool Eof() const override { return position_ >= rows_.size(); }
  void MoveFirst() override { position_ = 0; }
  void MoveLast() override { position_ = rows_.empty() ? 0 : rows_.size() - 1; }
  void MoveNext() override {
    if (position_ < rows_.size()) ++position_;
  }
  long RecordCount() const override { return static_cast<long>(rows_.size()); }
  int Position(std::string_view name) const override { return columns_.Find(name); }
  const Value& FieldAt(int position) const override;

 private:
  ColumnIndex columns_;
  std::vector<std::vector<Value>> rows_;
  size_t position_ = 0;
};

}  // namespace kaldoren
