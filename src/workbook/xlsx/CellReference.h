// CellReference: an A1-style cell reference of Office Open XML ("B7",
// "XFD1048576") as a zero-based row and column. Letters are taken in either
// case; a "$" is not allowed (cell addresses in sheet XML have none).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kaldoren {

class CellReference {
 public:
  // The largest sheet Excel makes: 1,048,576 rows and 16,384 columns (XFD).
  static constexpr std::uint32_t kRows = 1u << 20;
  static constexpr std::uint32_t kColumns = 1u << 14;

  // False when text is not a reference within the sheet's limits.
  static bool Parse(std::string_view text, std::uint32_t* row, std::uint32_t* column);
  // A row number alone ("7"), as a row element's r gives it.
  static bool ParseRow(std::string_view text, std::uint32_t* row);
  // "B7" for row 6, column 1, for messages.
  static std::string Name(std::uint32_t row, std::uint32_t column);
};

}  // namespace kaldoren
