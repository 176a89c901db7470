// Importe: the amount fields of the summary lines. A sum that the query left
// empty (no amount at all in its group) is written as a blank field of the
// same width and counts 0 in the totals, so that one empty period neither
// hides the others nor empties the grand total that the differences read.
#pragma once

#include <cstddef>
#include <string>

#include "base/Value.h"

namespace kaldoren {

class Importe {
 public:
  // The amount ("###,##0.00") right-aligned in `ancho` characters; spaces
  // only for an empty value or a text that is not a number.
  static std::string Campo(const Value& v, size_t ancho);
  // The value as a number to accumulate; 0 where Campo writes spaces.
  static double Valor(const Value& v);
  // The amount rounded to cents exactly as it is written (1000.004 is 1000).
  static double Centavos(double x);
};

}  // namespace kaldoren
