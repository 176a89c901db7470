// TextValue: the values that the XML workbook formats (.xlsx and .ods) write
// as text, in a cell's value or in its attributes, read into what the cell
// model holds. White space around a value is ignored. Each reading function
// answers false, leaving *out alone, for a text it cannot read; what that
// means (damage, or keeping the text the cell shows) is the reader's call.
//
// - Number: a decimal or exponent number with an optional sign; "INF" and
//   "NaN" are read too (the readers make a non-finite number an error cell).
// - DateTime: an ISO 8601 date, YYYY-MM-DD, optionally followed by
//   THH:MM[:SS[.fraction]], then optionally a time zone (Z, +HH:MM, -HH:MM),
//   which is ignored: the time is taken as written. The answer is the
//   program's day count (30/12/1899 is 0), the time as its fraction.
// - TimeOfDay: HH:MM[:SS[.fraction]], with the same optional zone, as the
//   fraction of a day it is.
// - Duration: an ISO 8601 duration, [-]P[nD][T[nH][nM][n[.n]S]], as days
//   (PT36H is 1.5); years and months, of no fixed length, are refused.
// - Boolean: true/false, also 1/0.
// - ErrorCode: the text an error cell shows (#DIV/0!, #VALUE!, ...), as the
//   code the cells of every format carry.
#pragma once

#include <cstdint>
#include <string_view>

namespace kaldoren {

class TextValue {
 public:
  static std::string_view Trimmed(std::string_view text);
  static bool Number(std::string_view text, double* out);
  static bool DateTime(std::string_view text, double* day_count);
  static bool TimeOfDay(std::string_view text, double* fraction);
  static bool Duration(std::string_view text, double* days);
  static bool Boolean(std::string_view text, bool* out);
  // Excel's code of the error a cell shows. A text that names no error Excel
  // has (LibreOffice's "Err:502", a future error name) is still an error
  // cell; it reads as #VALUE!, Excel's general answer for a value it cannot
  // work with, rather than #N/A, which claims a lookup found nothing.
  static std::uint8_t ErrorCode(std::string_view shown);
};

}  // namespace kaldoren
