// Comparacion: how the checks compare a cell with a number. A number is
// compared by its value, a date by its day count, a text that reads as a
// number under the regional settings by that number. An empty cell, and a
// text that does not read as a number, satisfy no comparison at all, so the
// check that asks reports the row as wrong.
#pragma once

#include <optional>

#include "base/Value.h"

namespace kaldoren {

class Comparacion {
 public:
  // The number the cell stands for; none for an empty or non-numeric cell.
  static std::optional<double> Numero(const Value& celda);

  static bool Igual(const Value& celda, double x);
  static bool Mayor(const Value& celda, double x);
  static bool MayorOIgual(const Value& celda, double x);
};

}  // namespace kaldoren
