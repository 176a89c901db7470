// ERRORES_VARIOS: the field checks that several sheet checks share: the
// identification of the school (Error_Kaldoren) and whether a cell holds a
// date (Fechavalida, with Fecha giving that date). It has no state; every
// section that needs it keeps its own instance. No cell value makes either
// check fail or throw: each answers true or false.
//
// Mind the opposite senses: Error_Kaldoren answers true when the
// identification is WRONG, Fechavalida true when the date is VALID.
#pragma once

#include <optional>

#include "base/Calendar.h"
#include "base/Value.h"

namespace kaldoren {

class ERRORES_VARIOS {
 public:
  // True when the school is not identified: by its number with the
  // supervising body (kaldoren, greater than 0) or, when that number is empty
  // or 0 and a provisional number is given, by the provisional number alone
  // (a letter P, Q, R or S, in any case, followed by a number above 0). A
  // school number that is a text not reading as a number is an error.
  bool Error_Kaldoren(const Value& kaldoren, const Value& provisorio) const;

  // True when dato holds a date: a date cell, or a text that converts to a
  // date under the regional settings. Empty cells and plain numbers are not
  // dates.
  bool Fechavalida(const Value& dato) const;

  // The calendar date of a cell for which Fechavalida answers true, the time
  // of day dropped; none for any other cell.
  std::optional<CivilDate> Fecha(const Value& dato) const;

 private:
  static bool ProvisorioValido(const Value& provisorio);
};

}  // namespace kaldoren
