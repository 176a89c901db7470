// Workbook: the worksheets of an opened workbook, in workbook order (chart and
// macro sheets are not listed), with the texts of their cells. It is built
// once by WorkbookReader (or by a test) and read-only afterwards.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/Sheet.h"
#include "workbook/StringPool.h"

namespace kaldoren {

class Workbook {
 public:
  Workbook() : strings_(std::make_shared<StringPool>()) {}

  // Adds an empty worksheet and answers it, for the reader to fill.
  Sheet& AddSheet(std::string name);

  const std::vector<std::unique_ptr<Sheet>>& sheets() const { return sheets_; }
  // The sheet whose table name (sheet name + "$") equals table, without
  // regard to case; nullptr when there is none.
  const Sheet* FindTable(std::string_view table) const;
  // Table names in workbook order.
  std::vector<std::string> TableNames() const;

  StringPool& strings() { return *strings_; }

 private:
  std::shared_ptr<StringPool> strings_;
  std::vector<std::unique_ptr<Sheet>> sheets_;
};

}  // namespace kaldoren
