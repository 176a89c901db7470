#include "query/SqlSortKeys.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <numeric>

namespace kaldoren {
namespace {

// Texts are coded from just above the code of +infinity; no number (there is
// no NaN among them) reaches that far.
constexpr std::uint64_t kFirstText = 0xFFF0000000000001;

// The code of a number: its bits with the sign bit set for a positive number
// and all bits flipped for a negative one, which orders the codes as the
// numbers. Adding 0 first turns -0 into 0.
std::uint64_t NumberCode(double x) {
  const auto bits = std::bit_cast<std::uint64_t>(x + 0.0);
  return (bits >> 63) != 0 ? ~bits : bits | (std::uint64_t{1} << 63);
}

}  // namespace

SqlSortKeys::SqlSortKeys(const std::vector<std::unique_ptr<SqlExpression>>& columns)
    : columns_(columns), groups_(16, ByKeys{this}, ByKeys{this}) {}

void SqlSortKeys::Add(SqlEvaluator& evaluator) {
  ++count_;
  for (const auto& column : columns_) {
    const SqlDatum d = evaluator.Evaluate(*column);
    if (d.IsText()) {
      keys_.push_back(TextCode(d.text));
    } else {
      keys_.push_back(d.IsEmpty() ? 0 : NumberCode(d.number));
    }
  }
}

// A workbook stores a repeated text once, so the same text at the same place
// needs no hashing.
std::uint64_t SqlSortKeys::TextCode(std::string_view text) {
  Recent& slot = recent_[(reinterpret_cast<std::uintptr_t>(text.data()) >> 3) % recent_.size()];
  if (slot.data != nullptr && slot.data == text.data() && slot.size == text.size()) {
    return slot.code;
  }
  const auto [it, added] = text_numbers_.try_emplace(text, texts_.size());
  if (added) texts_.push_back(text);
  slot = {text.data(), text.size(), kFirstText + it->second};
  return slot.code;
}

size_t SqlSortKeys::GroupOfLast() {
  return groups_.try_emplace(count_ - 1, groups_.size()).first->second;
}

size_t SqlSortKeys::ByKeys::operator()(size_t position) const {
  const size_t width = keys->columns_.size();
  size_t hash = 0;
  for (size_t k = 0; k < width; ++k) {
    hash = hash * 31 + std::hash<std::uint64_t>()(keys->keys_[position * width + k]);
  }
  return hash;
}

bool SqlSortKeys::ByKeys::operator()(size_t a, size_t b) const {
  const size_t width = keys->columns_.size();
  const auto* x = keys->keys_.data() + a * width;
  return std::equal(x, x + width, keys->keys_.data() + b * width);
}

// Renumbers the texts by their place in the text order; done once, after the
// last Add.
void SqlSortKeys::PlaceTexts() {
  if (texts_placed_) return;
  texts_placed_ = true;
  std::vector<size_t> by_order(texts_.size());
  std::iota(by_order.begin(), by_order.end(), size_t{0});
  std::sort(by_order.begin(), by_order.end(), [&](size_t a, size_t b) {
    return SqlEvaluator::Order(SqlDatum::Text(texts_[a]), SqlDatum::Text(texts_[b])) < 0;
  });
  std::vector<std::uint64_t> place(texts_.size());
  for (size_t i = 0; i < by_order.size(); ++i) place[by_order[i]] = kFirstText + i;
  for (std::uint64_t& key : keys_) {
    if (key >= kFirstText) key = place[key - kFirstText];
  }
}

// A radix sort, least significant first: one stable counting pass per byte
// of each key, from the last key to the first, skipping the bytes in which
// all the codes agree (most of them: texts differ in their lowest bytes,
// small whole numbers in their highest). Linear in the number of records.
void SqlSortKeys::Sort(std::vector<size_t>* positions) {
  const size_t width = columns_.size();
  if (width == 0 || positions->empty()) return;
  PlaceTexts();
  std::vector<size_t> buffer(positions->size());
  for (size_t k = width; k-- > 0;) {
    const auto code = [&](size_t position) { return keys_[position * width + k]; };
    std::uint64_t varying = 0;
    const std::uint64_t first = code(positions->front());
    for (const size_t p : *positions) varying |= code(p) ^ first;
    for (int shift = 0; shift < 64; shift += 8) {
      if (((varying >> shift) & 0xFF) == 0) continue;
      std::array<size_t, 257> starts{};
      for (const size_t p : *positions) ++starts[((code(p) >> shift) & 0xFF) + 1];
      for (size_t d = 1; d < starts.size(); ++d) starts[d] += starts[d - 1];
      for (const size_t p : *positions) buffer[starts[(code(p) >> shift) & 0xFF]++] = p;
      positions->swap(buffer);
    }
  }
}

}  // namespace kaldoren
