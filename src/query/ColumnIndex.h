// ColumnIndex: finds a result column by name for the recordsets, without
// regard to case; of two columns with equal names the first wins. The report
// sections read the same few names on every record, many times over, so each
// name asked is remembered with its answer in a small hash table, and asking
// it again costs a cheap hash and one comparison instead of upper-casing it
// and comparing it with every column. The table is emptied when it fills
// up, so a caller asking endless different names (a fuzzer) costs no more
// memory than the table.
//
// Not safe for concurrent use: Find updates the table of names asked.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kaldoren {

class ColumnIndex {
 public:
  explicit ColumnIndex(const std::vector<std::string>& names);

  // Position of the column named name in the list given; -1 when none.
  // Inline, because a run asks millions of times for a name it has asked.
  int Find(std::string_view name) const {
    for (size_t slot = Hash(name);; slot = (slot + 1) % kSlots) {
      const Asked& a = asked_[slot];
      if (!a.used) return Remember(name, slot);
      if (std::string_view(a.name) == name) return a.column;
    }
  }

 private:
  struct Asked {
    bool used = false;
    int column = -1;
    std::string name;  // as the caller wrote it
  };
  // A power of two, at least twice the names a report section reads.
  static constexpr size_t kSlots = 128;

  // Slot of a name: its length and its first and last characters tell the
  // report's column names apart well enough; equal hashes are probed past.
  static size_t Hash(std::string_view name) {
    if (name.empty()) return 0;
    return (name.size() * 31 + static_cast<unsigned char>(name.front()) * 7 +
            static_cast<unsigned char>(name.back())) %
           kSlots;
  }
  // Looks a name up in the list and keeps the answer in the free slot.
  int Remember(std::string_view name, size_t slot) const;

  std::vector<std::string> upper_names_;
  mutable std::vector<Asked> asked_;
  mutable size_t asked_count_ = 0;
};

}  // namespace kaldoren
