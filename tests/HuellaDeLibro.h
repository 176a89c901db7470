// HuellaDeLibro: what a read workbook holds in memory (its cells and the
// bytes of its texts), and the most it may hold for a file of a given size: a
// cell takes at least 2 bytes of a record (MULBLANK) and costs 16, a text
// grows at most threefold from its bytes to UTF-8, and a little room is left
// for fixed costs. Header-only; for the tests and fuzzers of extreme inputs.
#pragma once

#include <cstddef>

#include "workbook/Workbook.h"

namespace kaldoren::testing {

class HuellaDeLibro {
 public:
  static std::size_t Bytes(Workbook& libro) {
    std::size_t bytes = libro.strings().bytes();
    for (const auto& hoja : libro.sheets()) bytes += hoja->cells().size() * sizeof(Cell);
    return bytes;
  }
  static std::size_t Tope(std::size_t bytes_del_archivo) {
    return kPorByte * bytes_del_archivo + kFija;
  }

 private:
  static constexpr std::size_t kPorByte = 32;
  static constexpr std::size_t kFija = std::size_t{1} << 20;
};

}  // namespace kaldoren::testing
