// TableViewBudget: what the table views of a workbook's sheets will cost
// (Sheet::Finish: a row index entry for every row of a sheet's used range and
// two names for every column, however few cells the range holds), held
// within room for any real workbook plus a little per byte of the file. A
// file whose sheets span far more rows and columns than it fills (two cells
// at opposite corners, sheet after sheet) would otherwise claim gigabytes
// from a few bytes; the reader refuses it as damaged.
#pragma once

#include <cstddef>

#include "base/Status.h"
#include "workbook/Sheet.h"

namespace kaldoren {

class TableViewBudget {
 public:
  static constexpr size_t kAllowance = size_t{64} << 20;
  static constexpr size_t kBytesPerSourceByte = 4;

  // source_bytes: the size of what the sheets were read from.
  explicit TableViewBudget(size_t source_bytes)
      : limit_(kAllowance + kBytesPerSourceByte * source_bytes) {}

  // Counts a read (not yet finished) sheet; fails once the sum passes the
  // limit.
  Status Add(const Sheet& sheet);

 private:
  size_t limit_;
  size_t spent_ = 0;
};

}  // namespace kaldoren
