// Recordset: the read-only result of one query, walked by the report sections
// and the run. It is a snapshot: the rows are fixed when the query runs. The
// position starts on the first row; Eof() is true when there is no current row
// (at once for an empty result). Field reads a column of the current row by
// name, without regard to case; an empty cell, an unknown column or no current
// row give an empty value. The value Field answers is the recordset's own: it
// stays valid until the recordset moves or is destroyed, so a caller that
// keeps it across a move keeps a copy.
#pragma once

#include <string_view>

#include "base/Value.h"

namespace kaldoren {

class Recordset {
 public:
  virtual ~Recordset() = default;

  virtual bool Eof() const = 0;
  virtual void MoveFirst() = 0;
  virtual void MoveLast() = 0;
  virtual void MoveNext() = 0;
  virtual long RecordCount() const = 0;
  virtual const Value& Field(std::string_view name) const = 0;

 protected:
  // What Field answers for an empty cell, an unknown column or no current row.
  static const Value& NoValue() {
    static const Value empty;
    return empty;
  }
};

}  // namespace kaldoren
