// Recordset: the read-only result of one query, walked by the report sections
// and the run. It is a snapshot: the rows are fixed when the query runs. The
// position starts on the first row; Eof() is true when there is no current row
// (at once for an empty result). Field reads a column of the current row by
// name, without regard to case; an empty cell, an unknown column or no current
// row give an empty value. The value Field answers is the recordset's own: it
// stays valid until the recordset moves or is destroyed, so a caller that
// keeps it across a move keeps a copy.
//
// A reader that takes the same columns on every row (the teacher checks read
// 65,000 rows sixteen times) finds each column's position once and reads with
// FieldAt; Serial tells it when it is handed another recordset, whose
// positions may differ. A copy of a recordset keeps its serial, as its
// columns are the same.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/Value.h"

namespace kaldoren {

class Sheet;

// Where a row of a result comes from: a record of a sheet (counted from 0, as
// Sheet::RecordCells counts them), or no sheet for a row the engine computed
// (groups, literal rows) and when there is no current row.
struct RowOrigin {
  const Sheet* sheet = nullptr;
  size_t record = 0;
};

class Recordset {
 public:
  virtual ~Recordset() = default;

  virtual bool Eof() const = 0;
  virtual void MoveFirst() = 0;
  virtual void MoveLast() = 0;
  virtual void MoveNext() = 0;
  virtual long RecordCount() const = 0;

  const Value& Field(std::string_view name) const { return FieldAt(Position(name)); }
  // Position of the result column named name, without regard to case (the
  // first of equal names); -1 when there is none.
  virtual int Position(std::string_view name) const = 0;
  // The value at a position of the current row, valid as Field's; empty for
  // a position Position does not answer, or no current row.
  virtual const Value& FieldAt(int position) const = 0;
  // The sheet record the current row shows, whatever the query filtered and
  // sorted; none by default.
  virtual RowOrigin Origin() const { return {}; }
  // A number no other recordset of the process has (copies aside); never 0.
  std::uint64_t Serial() const { return serial_; }

 protected:
  // What Field answers for an empty cell, an unknown column or no current row.
  static const Value& NoValue() {
    static const Value empty;
    return empty;
  }

 private:
  static std::uint64_t NextSerial() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
  }

  std::uint64_t serial_ = NextSerial();
};

}  // namespace kaldoren
