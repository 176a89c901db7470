// PooledTextCache: one form of each text of a workbook (escaped for JSON,
// made safe for another format), made from the text on the first cell that
// holds it and kept by its StringPool index: the texts of a declaration
// (periods, codes, names of levels) repeat on every row.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/Sheet.h"

namespace kaldoren {

class PooledTextCache {
 public:
  using Form = std::function<std::string(std::string_view)>;

  explicit PooledTextCache(Form form) : form_(std::move(form)) {}

  // The form of the text of cell, a text cell of sheet.
  const std::string& Of(const Sheet& sheet, const Cell& cell);

 private:
  Form form_;
  std::vector<std::optional<std::string>> forms_;
};

}  // namespace kaldoren
