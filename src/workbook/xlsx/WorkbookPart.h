// WorkbookPart: what xl/workbook.xml says: its sheets in workbook order
// (hidden ones included), each with its name and the id of the relationship
// that leads to its part, and whether dates count from 1904.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "workbook/XmlHandler.h"

namespace kaldoren {

class WorkbookPart final : public XmlHandler {
 public:
  struct SheetEntry {
    std::string name;
    std::string relationship;
  };

  const std::vector<SheetEntry>& sheets() const { return sheets_; }
  bool date1904() const { return date1904_; }

  void StartElement(std::string_view name, std::string_view uri,
                    std::span<const XmlAttribute> attributes) override;
  void EndElement(std::string_view name, std::string_view uri) override;
  void Characters(std::string_view) override {}

 private:
  std::vector<SheetEntry> sheets_;
  bool date1904_ = false;
  int depth_ = 0;  // of the next element; the workbook element is at 0
};

}  // namespace kaldoren
