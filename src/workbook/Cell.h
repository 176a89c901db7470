// Cell: one cell record of a worksheet as the reader found it, kept compact
// (16 bytes) because a declaration can hold over a million cells. Texts live in
// the workbook's StringPool and are referred to by index.
#pragma once

#include <cstdint>

namespace kaldoren {

enum class CellKind : std::uint8_t {
  Blank,    // a formatted empty cell (BLANK, MULBLANK): part of the used range, no value
  Number,   // number
  Text,     // text, possibly the empty text
  Date,     // day count since 30/12/1899 (a number whose number format is a date)
  Boolean,  // -1 for true, 0 for false
  Error,    // an error value; error_code holds Excel's code (0x07 is #DIV/0!)
};

struct Cell {
  std::uint32_t row = 0;
  std::uint16_t column = 0;
  CellKind kind = CellKind::Blank;
  std::uint8_t error_code = 0;
  union {
    double number = 0;         // Number, Date, Boolean
    std::uint32_t text_index;  // Text: index in the StringPool
  };
};

static_assert(sizeof(Cell) == 16, "a cell must stay 16 bytes");

}  // namespace kaldoren
