#include "workbook/ZipMemberStream.h"

#include <algorithm>
#include <utility>

#include "workbook/OpeningError.h"

namespace kaldoren {

ZipMemberStream::ZipMemberStream(GsfInputPtr member, std::string name, size_t size)
    : member_(std::move(member)), name_(std::move(name)), remaining_(size) {}

int ZipMemberStream::Read(char* buffer, int length) {
  if (!status_.ok()) return -1;
  if (length <= 0 || remaining_ == 0) return 0;
  const size_t count = std::min(remaining_, static_cast<size_t>(length));
  if (gsf_input_read(member_.get(), count, reinterpret_cast<guint8*>(buffer)) == nullptr) {
    status_ = OpeningError::Damaged("no se puede descomprimir " + name_);
    return -1;
  }
  remaining_ -= count;
  return static_cast<int>(count);
}

}  // namespace kaldoren
