// SqlSortKeys: the keys of GROUP BY or ORDER BY of the records a query keeps,
// read once, record by record, while the query filters them, and coded as
// whole numbers so that sorting 65,000 records compares integers only. The
// codes keep the order of SqlEvaluator::Order: an empty value is coded 0; a
// number or date by its bits, arranged so that integer order is numeric
// order; a text above every number, by a number shared by equal texts, which
// Sort turns into the text's place in the dialect's text order.
//
// Records are named by their position: 0 for the first one added, and so on.
// The key expressions must be plain columns (their texts then live as long as
// the sheet) with their sheet column index set, and must outlive the keys.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "query/SqlEvaluator.h"
#include "query/SqlExpression.h"

namespace kaldoren {

class SqlSortKeys {
 public:
  // With no columns every record has the same key.
  explicit SqlSortKeys(const std::vector<std::unique_ptr<SqlExpression>>& columns);
  SqlSortKeys(const SqlSortKeys&) = delete;
  SqlSortKeys& operator=(const SqlSortKeys&) = delete;

  // Appends the keys of the evaluator's current record; every Add comes
  // before the first Sort.
  void Add(SqlEvaluator& evaluator);

  // The group of the record added last: records with equal keys share one;
  // groups are numbered 0, 1, ... in the order they are first met. Ask for
  // every record or for none, before the first Sort.
  size_t GroupOfLast();

  // Sorts positions of added records into ascending key order; records with
  // equal keys keep their order in *positions.
  void Sort(std::vector<size_t>* positions);

 private:
  // Hash and equality of the keys of two positions, for the groups.
  struct ByKeys {
    const SqlSortKeys* keys;
    size_t operator()(size_t position) const;
    bool operator()(size_t a, size_t b) const;
  };

  std::uint64_t TextCode(std::string_view text);
  void PlaceTexts();

  // Texts met lately, by where they are stored.
  struct Recent {
    const char* data = nullptr;
    size_t size = 0;
    std::uint64_t code = 0;
  };

  const std::vector<std::unique_ptr<SqlExpression>>& columns_;
  size_t count_ = 0;
  std::vector<std::uint64_t> keys_;
  std::unordered_map<std::string_view, size_t> text_numbers_;
  std::vector<std::string_view> texts_;
  std::array<Recent, 64> recent_{};
  bool texts_placed_ = false;
  // Position of a group's first record -> group number.
  std::unordered_map<size_t, size_t, ByKeys, ByKeys> groups_;
};

}  // namespace kaldoren
