#include "workbook/TableViewBudget.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "workbook/OpeningError.h"

namespace kaldoren {
namespace {

size_t TableViewBytes(const Sheet& sheet) {
  if (sheet.cells().empty()) return 0;
  std::uint32_t first_row = UINT32_MAX;
  std::uint32_t last_row = 0;
  std::uint16_t first_column = UINT16_MAX;
  std::uint16_t last_column = 0;
  for (const Cell& c : sheet.cells()) {
    first_row = std::min(first_row, c.row);
    last_row = std::max(last_row, c.row);
    first_column = std::min(first_column, c.column);
    last_column = std::max(last_column, c.column);
  }
  return sizeof(std::uint32_t) * (size_t{last_row} - first_row + 2) +
         2 * sizeof(std::string) * (size_t{last_column} - first_column + 1);
}

}  // namespace

Status TableViewBudget::Add(const Sheet& sheet) {
  spent_ += TableViewBytes(sheet);
  if (spent_ <= limit_) return Status::Ok();
  return OpeningError::Damaged(
      "sus hojas abarcan muchas más filas y columnas de las que el archivo llena");
}

}  // namespace kaldoren
