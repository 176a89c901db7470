// OdsValue: the values an OpenDocument spreadsheet writes in a cell's
// attributes, read into what the cell model holds. Each function answers
// false, leaving *out alone, for a value it cannot read; the caller then
// keeps the cell's displayed text instead, so nothing the sheet shows is lost.
//
// - office:value (float, percentage, currency): a decimal or exponent number,
//   with an optional sign; "INF" and "NaN" are read too (the reader makes a
//   non-finite number an error cell, as the other formats do).
// - office:date-value: YYYY-MM-DD, optionally followed by THH:MM:SS and a
//   fraction of a second; a time zone after it is ignored. The answer is the
//   program's day count (30/12/1899 is 0), the time as the fraction.
// - office:time-value: an ISO 8601 duration, [-]P[nD]T[nH][nM][n[.n]S], as a
//   fraction of a day (PT36H is 1.5).
// - office:boolean-value: true/false (also 1/0).
// - The text an error cell shows (#DIV/0!, #VALUE!, ...), as the error code
//   that the cells of the other formats carry.
#pragma once

#include <cstdint>
#include <string_view>

namespace kaldoren {

class OdsValue {
 public:
  static bool Number(std::string_view text, double* out);
  static bool Date(std::string_view text, double* out);
  static bool Duration(std::string_view text, double* out);
  static bool Boolean(std::string_view text, bool* out);
  // Excel's code of the error a cell shows; #VALUE! for a text that names
  // no error Excel has (such as "Err:502").
  static std::uint8_t ErrorCode(std::string_view shown);
};

}  // namespace kaldoren
