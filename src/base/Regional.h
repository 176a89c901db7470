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
  // "1E-05", "1,5E+20") only outside 1E-04 <= |x| < 1E+15; zero (negative
  // zero too) is "0". Not a number is "NaN", infinities "Infinito" and
  // "-Infinito" (no cell holds them; a runaway sum might).
  static std::string NumberText(double x);

  // Numeric text: after trimming spaces, an optional sign; digits with
  // optional "." between digit groups (any grouping, "1.5" is 15), optionally
  // "," and digits, or "," followed by digits; optionally E/e, sign and
  // digits. Writes its value ("." ignored, "," the decimal point). Tabs and
  // any other character make it non-numeric, and so does a magnitude beyond
  // the doubles ("1e400"); a tiny one ("1e-400") reads as 0.
  static bool ParseNumber(std::string_view text, double* out);

  // Leading number of a text (the Val rule): blanks, tabs and line feeds
  // anywhere are skipped; sign, digits, "." and digits, exponent E or D
  // (either case) with sign and digits; stops at the first other character;
  // 0 when the text does not begin with one. A magnitude beyond the doubles
  // is held at the largest double, with its sign.
  static double LeadingNumber(std::string_view text);

  // Text to date, after trimming spaces: day, month and year, or a
  // four-digit year, month and day, all numbers with one separator ("/", "-"
  // or ".") used throughout; or day, month name and year, each gap one or
  // more spaces, a "-" or a "/". Month names in any case: Spanish (with
  // "setiembre") and English, full or three letters. Day and month have one
  // or two digits; years of one or two digits take the window 00-29 ->
  // 2000-2029, 30-99 -> 1930-1999; three-digit years and years before 100
  // are refused. Then optionally one or more spaces and a time H:MM or
  // H:MM:SS (hours 0-23, minutes and seconds two digits). The date must
  // exist. Writes the day count with the time of day as fraction; leaves
  // *day_count alone when the text is not a date.
  static bool ParseDate(std::string_view text, double* day_count);
};

}  // namespace kaldoren
