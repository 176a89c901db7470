// Value: what a worksheet cell, or a column of a query result, holds: empty
// (null), a number, a text (UTF-8) or a date. A date is a day count since
// 30/12/1899 with the time of day as its fraction (the Excel serial unchanged).
//
// Besides the four kinds, Value carries the value rules that every check
// applies: the text form, blank, and reading a number. Booleans of the
// workbook arrive as the numbers -1 and 0, error cells as empty values.
#pragma once

#include <string>
#include <utility>

namespace kaldoren {

class Value {
 public:
  enum class Kind : unsigned char { Empty, Number, Text, Date };

  Value() = default;
  static Value Number(double x);
  static Value Text(std::string utf8);
  static Value Date(double serial);

  Kind kind() const { return kind_; }
  bool IsEmpty() const { return kind_ == Kind::Empty; }
  bool IsNumber() const { return kind_ == Kind::Number; }
  bool IsText() const { return kind_ == Kind::Text; }
  bool IsDate() const { return kind_ == Kind::Date; }

  // The number of a Number, the day count of a Date, 0 otherwise.
  double number() const { return number_; }
  // The text of a Text, empty otherwise.
  const std::string& text() const { return text_; }

  // Text form: a text unchanged; a number in its general form under the
  // regional settings ("1234,5", "1E+20"); a date as its short date
  // ("15/03/2004", without the time of day); empty for an empty value.
  std::string TextForm() const;

  // Blank: empty, or a text form that is empty once trimmed of spaces.
  bool IsBlank() const;

  // Reads the value as a number: a number as itself, a date as its day count,
  // a text when it is a numeric text under the regional settings. Answers
  // false (and leaves *out alone) for an empty value or a text that is not
  // numeric.
  bool AsNumber(double* out) const;

  bool operator==(const Value& other) const = default;

 private:
  Kind kind_ = Kind::Empty;
  double number_ = 0;
  std::string text_;
};

// Inline: a value is made for every cell the checks read.
inline Value Value::Number(double x) {
  Value v;
  v.kind_ = Kind::Number;
  v.number_ = x;
  return v;
}

inline Value Value::Text(std::string utf8) {
  Value v;
  v.kind_ = Kind::Text;
  v.text_ = std::move(utf8);
  return v;
}

inline Value Value::Date(double serial) {
  Value v;
  v.kind_ = Kind::Date;
  v.number_ = serial;
  return v;
}

}  // namespace kaldoren
