// MutadorBiff: the structure-aware mutator of the verification fuzz target.
// It takes an input apart into BIFF records (a compound file is first
// reduced to its workbook stream, which the reader accepts as a whole file)
// and changes it the way damaged or odd workbooks differ from good ones: a
// record's bytes, a record dropped, repeated, moved or retyped, a cell moved to
// another row or column, a number made odd, a record split into CONTINUE
// pieces, the stream cut short. Sheet offsets are usually kept pointing at
// their sheets, so most mutants still open and reach the checks. Anything that
// does not parse as records is left to libFuzzer's byte mutations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>

#include "workbook/xls/testing/FlujoBiff.h"

namespace kaldoren::fuzz {

class MutadorBiff {
 public:
  // Mutates data (size bytes, room for max_size) in place; answers the new size.
  static std::size_t Mutar(std::uint8_t* data, std::size_t size, std::size_t max_size,
                           unsigned int semilla);

  using Flujo = kaldoren::testing::FlujoBiff;
};

}  // namespace kaldoren::fuzz
