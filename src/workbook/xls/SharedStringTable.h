// SharedStringTable: decodes the SST record of an Excel 97-2003 workbook (with
// its CONTINUE records) into the workbook's StringPool. Cells of type LABELSST
// name a text by its position in the table; the table's texts are added to the
// pool in order, so position i is pool index first() + i.
//
// Each entry is a BIFF8 string: character count, option byte, then optionally
// the count of formatting runs and the size of the phonetic (East Asian)
// block, the characters, the runs and the block. Runs and phonetic data are
// skipped. A table that ends before its declared number of texts fails with
// "registro SST truncado"; the declared number is never used to reserve memory.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "base/Status.h"
#include "workbook/StringPool.h"

namespace kaldoren {

class SharedStringTable {
 public:
  // fragments: the SST record's data followed by its CONTINUE records' data.
  Status Decode(std::span<const std::string_view> fragments, StringPool* pool);

  // Pool index of table entry i; false when the table has no such entry.
  bool PoolIndex(std::uint32_t entry, std::uint32_t* index) const {
    if (entry >= count_) return false;
    *index = first_ + entry;
    return true;
  }
  std::uint32_t count() const { return count_; }

 private:
  std::uint32_t first_ = 0;
  std::uint32_t count_ = 0;
};

}  // namespace kaldoren
