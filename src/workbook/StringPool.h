// StringPool: the texts of a workbook's cells, stored back to back in one
// buffer. A text is added once and referred to by its index; the pool only
// grows and never moves a text a caller holds as an index.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kaldoren {

class StringPool {
 public:
  StringPool() { offsets_.push_back(0); }

  std::uint32_t Add(std::string_view utf8);
  std::string_view Get(std::uint32_t index) const;
  std::uint32_t size() const { return static_cast<std::uint32_t>(offsets_.size() - 1); }
  // Bytes held, for the reader's memory bound.
  size_t bytes() const { return data_.size(); }

 private:
  std::string data_;
  std::vector<std::uint32_t> offsets_;
};

}  // namespace kaldoren
