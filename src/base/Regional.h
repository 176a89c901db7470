// Regional: the fixed Spanish (Argentina) regional settings of the program and
// the conversions between texts, numbers and dates that depend on them:
// decimal separator ",", thousands separator ".", date separator "/", short
// date dd/mm/yyyy. Dates are day counts since 30/12/1899 with the time of day
// as fraction. Writing dates and fields is Format's job.
#pragma once

#include <string>
#include <string_view>

namespace kaldoren {

class Regional {
 public:
  // General text form of a number: up to 15 significant digits, no grouping,
  // "," as decimal separator, no trailing zeros, exponent form ("1E+20",
  // "1E-05") only outside 1E-04 <= |x| < 1E+15.
  static std::string NumberText(double x);

  // Numeric text: after trimming spaces, an optional sign; digits with
  // optional "." between digit groups, optionally "," and digits, or ","
  // followed by digits; optionally E/e, sign and digits. Writes its value.
  static bool ParseNumber(std::string_view text, double* out);

  // Leading number of a text (the Val rule): blanks, tabs and line feeds
  // anywhere are skipped; sign, digits, "." and digits, exponent E or D; stops
  // at the first other character; 0 when the text does not begin with one.
  static double LeadingNumber(std::string_view text);

  // Text to date: d/m/y, d-m-y or d.m.y; yyyy/mm/dd or yyyy-mm-dd; day, month
  // name (Spanish or English, full or three letters) and year; two-digit years
  // 00-29 are 2000-2029 and 30-99 are 1930-1999; an optional time H:MM[:SS]
  // after the date. The date must exist. Writes the day count (with the time
  // of day as fraction).
  static bool ParseDate(std::string_view text, double* day_count);

};

}  // namespace kaldoren
