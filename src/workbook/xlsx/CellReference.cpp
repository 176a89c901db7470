#include "workbook/xlsx/CellReference.h"

#include <algorithm>

namespace kaldoren {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The row number of text from pos on: 1 to 7 digits and nothing else.
bool TakeRow(std::string_view text, size_t pos, std::uint32_t* row) {
  const size_t digits = text.size() - pos;
  if (digits == 0 || digits > 7) return false;
  std::uint32_t number = 0;
  for (; pos < text.size(); ++pos) {
    if (!IsDigit(text[pos])) return false;
    number = number * 10 + static_cast<std::uint32_t>(text[pos] - '0');
  }
  if (number == 0 || number > CellReference::kRows) return false;
  *row = number - 1;
  return true;
}

}  // namespace

bool CellReference::ParseRow(std::string_view text, std::uint32_t* row) {
  return TakeRow(text, 0, row);
}

bool CellReference::Parse(std::string_view text, std::uint32_t* row, std::uint32_t* column) {
  size_t letters = 0;
  std::uint32_t number = 0;
  for (; letters < text.size() && letters < 4; ++letters) {
    const char c = static_cast<char>(text[letters] & ~0x20);
    if (c < 'A' || c > 'Z') break;
    number = number * 26 + static_cast<std::uint32_t>(c - 'A' + 1);
  }
  if (letters == 0 || number > kColumns || !TakeRow(text, letters, row)) return false;
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
