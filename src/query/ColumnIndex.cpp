#include "query/ColumnIndex.h"

#include "base/Text.h"

namespace kaldoren {

ColumnIndex::ColumnIndex(const std::vector<std::string>& names) : asked_(kSlots) {
  upper_names_.reserve(names.size());
  for (const std::string& n : names) upper_names_.push_back(Text::Upper(n));
}

int ColumnIndex::Remember(std::string_view name, size_t slot) const {
  const std::string upper = Text::Upper(name);
  int column = -1;
  for (size_t i = 0; i < upper_names_.size() && column < 0; ++i) {
    if (upper_names_[i] == upper) column = static_cast<int>(i);
  }
  // Half full: start afresh, so that probes stay short and memory bounded.
  if (asked_count_ >= kSlots / 2) {
    for (Asked& a : asked_) a.used = false;
    asked_count_ = 0;
    slot = Hash(name);
  }
  asked_[slot] = {true, column, std::string(name)};
  ++asked_count_;
  return column;
}

}  // namespace kaldoren
