#include "workbook/StringPool.h"

namespace kaldoren {

std::uint32_t StringPool::Add(std::string_view utf8) {
  data_.append(utf8);
  offsets_.push_back(static_cast<std::uint32_t>(data_.size()));
  return size() - 1;
}

std::string_view StringPool::Get(std::uint32_t index) const {
  if (index >= size()) return {};
  return std::string_view(data_).substr(offsets_[index], offsets_[index + 1] - offsets_[index]);
}

}  // namespace kaldoren
