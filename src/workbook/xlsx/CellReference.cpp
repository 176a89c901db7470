#include "workbook/xlsx/CellReference.h"

#include <algorithm>

namespace kaldoren {

bool CellReference::ParseRow(std::string_view text, std::uint32_t* row) {
  if (text.empty() || text.size() > 7) return false;
  std::uint32_t number = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + static_cast<std::uint32_t>(c - '0');
  }
  if (number == 0 || number > kRows) return false;
  *row = number - 1;
  return true;
}

bool CellReference::Parse(std::string_view text, std::uint32_t* row, std::uint32_t* column) {
  size_t letters = 0;
  std::uint32_t number = 0;
  while (letters < text.size() && letters < 4) {
    const char c = static_cast<char>(text[letters] & ~0x20);
    if (c < 'A' || c > 'Z') break;
    number = number * 26 + static_cast<std::uint32_t>(c - 'A' + 1);
    ++letters;
  }
  if (letters == 0 || number > kColumns) return false;
  if (!ParseRow(text.substr(letters), row)) return false;
  *column = number - 1;
  return true;
}

std::string CellReference::Name(std::uint32_t row, std::uint32_t column) {
  std::string letters;
  for (std::uint32_t n = column + 1; n > 0; n = (n - 1) / 26) {
    letters += static_cast<char>('A' + (n - 1) % 26);
  }
  std::reverse(letters.begin(), letters.end());
  return letters + std::to_string(row + 1);
}

}  // namespace kaldoren
