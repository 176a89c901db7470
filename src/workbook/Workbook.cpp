#include "workbook/Workbook.h"

#include "base/Text.h"

namespace kaldoren {

Sheet& Workbook::AddSheet(std::string name) {
  sheets_.push_back(std::make_unique<Sheet>(std::move(name), strings_));
  return *sheets_.back();
}

const Sheet* Workbook::FindTable(std::string_view table) const {
  const std::string wanted = Text::Upper(table);
  for (const auto& sheet : sheets_) {
    if (Text::Upper(sheet->TableName()) == wanted) return sheet.get();
  }
  return nullptr;
}

std::vector<std::string> Workbook::TableNames() const {
  std::vector<std::string> names;
  for (const auto& sheet : sheets_) names.push_back(sheet->TableName());
  return names;
}

}  // namespace kaldoren
