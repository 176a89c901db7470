#include "workbook/xls/BiffRecordReader.h"

namespace kaldoren {

bool BiffRecordReader::PeekType(std::uint16_t* type) const {
  if (stream_.size() < 4 || offset_ > stream_.size() - 4) return false;
  *type = little_endian::U16(stream_.data() + offset_);
  return true;
}

void BiffRecordReader::TakeContinues(std::vector<std::string_view>* fragments) {
  std::uint16_t type = 0;
  BiffRecord next;
  while (PeekType(&type) && type == biff::kContinue && Next(&next)) {
    fragments->push_back(next.data);
  }
}

}  // namespace kaldoren
