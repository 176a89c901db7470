// Format: the fixed-width field patterns of the report, one helper per pattern.
// Every section writes its fields through these; nobody pads by hand. Widths
// count characters (each becomes one byte in the report). A value wider than
// its field is written whole, shifting the rest of the line.
#pragma once

#include <string>
#include <string_view>

#include "base/Value.h"

namespace kaldoren {

class Format {
 public:
  // "!" followed by n "@": left-aligned in n characters, spaces on the right.
  static std::string Left(std::string_view text, size_t width);
  // n "@": right-aligned in n characters, spaces on the left.
  static std::string Right(std::string_view text, size_t width);

  // "##0": whole number (rounded half away from zero), at least one digit;
  // nothing for an empty value; a numeric text gives its number, a text that
  // is not a number stays as it is; a date gives its day count.
  static std::string Whole(const Value& v);
  // "####": like "##0" but 0 writes nothing.
  static std::string WholeOrBlank(const Value& v);
  // "###,##0.00": amount rounded half away from zero to cents, grouped with
  // ".", decimals after ","; a value that rounds to zero is "0,00". Both
  // roundings work on the 15 significant digits of the number's text form,
  // so 2.675 (held as 2.67499999...) gives 2,68 as a clerk expects. A value
  // that is not finite is written as Regional::NumberText writes it.
  static std::string Amount(double x);

  // "DD/MM/YYYY" of a day count.
  static std::string DayMonthYear(double day_count);
  // "hh:mm:ss" of a day count.
  static std::string HourMinuteSecond(double day_count);
  // Long date of the regional settings, "lunes, 7 de diciembre de 2026".
  static std::string LongDate(double day_count);
  // General date: short date, then " " and the time unless it is 00:00:00.
  static std::string GeneralDate(double day_count);
};

}  // namespace kaldoren
