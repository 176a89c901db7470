#include "workbook/BiffRecordReader.h"

#include "workbook/LittleEndian.h"

namespace kaldoren {

bool BiffRecordReader::PeekType(std::uint16_t* type) const {
  if (stream_.size() < 4 || offset_ > stream_.size() - 4) return false;
  *type = little_endian::U16(stream_.data() + offset_);
  return true;
}

bool BiffRecordReader::Next(BiffRecord* record) {
  if (offset_ >= stream_.size()) return false;
  if (stream_.size() - offset_ < 4) {
    truncated_ = true;
    return false;
  }
  const char* header = stream_.data() + offset_;
  const size_t length = little_endian::U16(header + 2);
  if (stream_.size() - offset_ - 4 < length) {
    truncated_ = true;
    return false;
  }
  record->type = little_endian::U16(header);
  record->data = stream_.substr(offset_ + 4, length);
  record->offset = offset_;
  offset_ += 4 + length;
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
