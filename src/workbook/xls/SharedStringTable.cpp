#include "workbook/xls/SharedStringTable.h"

#include <string>

#include "workbook/OpeningError.h"
#include "workbook/xls/BiffString.h"
#include "workbook/xls/ContinuedRecord.h"

namespace kaldoren {

Status SharedStringTable::Decode(std::span<const std::string_view> fragments, StringPool* pool) {
  ContinuedRecord in(fragments);
  std::uint32_t total = 0;
  std::uint32_t unique = 0;
  if (!in.ReadU32(&total) || !in.ReadU32(&unique)) {
    return OpeningError::Damaged("registro SST truncado");
  }
  first_ = pool->size();
  count_ = 0;
  std::string text;
  // Every entry takes at least 3 bytes, so a lying count runs out of data
  // long before it runs out of memory.
  for (std::uint32_t i = 0; i < unique; ++i) {
    if (!BiffString::ReadUnicode(&in, 2, &text))
      return OpeningError::Damaged("registro SST truncado");
    pool->Add(text);
    ++count_;
  }
  return Status::Ok();
}

}  // namespace kaldoren
