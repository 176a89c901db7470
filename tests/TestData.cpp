#include "TestData.h"

#include <filesystem>

namespace kaldoren::testing {

std::string TestDataPath(const std::string& relative) {
  return std::string(KALDOREN_TESTDATA) + "/" + relative;
}

std::string SharedPath(const std::string& relative) {
  return std::string(KALDOREN_SHARED) + "/" + relative;
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

Sheet& AddTable(Workbook* workbook, const std::string& sheet_name,
                const std::vector<std::vector<Value>>& rows) {
  Sheet& sheet = workbook->AddSheet(sheet_name);
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      const Value& v = rows[r][c];
      const auto row = static_cast<std::uint32_t>(r);
      const auto col = static_cast<std::uint16_t>(c);
      if (v.kind() == Value::Kind::Number) sheet.AddNumber(row, col, v.number());
      if (v.kind() == Value::Kind::Text) sheet.AddText(row, col, v.text());
      if (v.kind() == Value::Kind::Date) sheet.AddDate(row, col, v.number());
    }
  }
  sheet.Finish();
  return sheet;
}

Value At(const Sheet& sheet, std::uint32_t row, std::uint16_t column) {
  for (const Cell& c : sheet.cells()) {
    if (c.row == row && c.column == column) return sheet.ValueOf(c);
  }
  return Value();
}

}  // namespace kaldoren::testing
