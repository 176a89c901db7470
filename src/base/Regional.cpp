#include "base/Regional.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "base/Calendar.h"
#include "base/DecimalDigits.h"
#include "base/Text.h"

namespace kaldoren {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Collects the digits of a number as they are read and answers its value.
// The spelling handed to std::from_chars (which never consults the C locale)
// keeps the first 40 significant digits, far more than a double can tell
// apart, and a power of ten; so no text, however long, overruns the buffer.
class DecimalReader {
 public:
  void IntegerDigit(char c) {
    if (c == '0' && kept_ == 0) return;
    if (kept_ < kKept) {
      Keep(c);
    } else {
      ++power_;
    }
  }
  void FractionDigit(char c) {
    if (c == '0' && kept_ == 0) {
      --power_;
    } else if (kept_ < kKept) {
      Keep(c);
      --power_;
    }
  }
  // The digits times ten to (their power + exponent), with the sign: beyond
  // the doubles it is the largest double, below them zero.
  double Value(bool negative, long long exponent) {
    if (kept_ == 0) return 0.0;
    const long long power = power_ + exponent;
    double x = 0;
    if (!ExactValue(power, &x)) {
      char* end = buffer_ + kept_;
      *end++ = 'e';
      end = std::to_chars(end, buffer_ + sizeof buffer_, power).ptr;
      if (std::from_chars(buffer_, end, x).ec != std::errc()) {
        x = power > 0 ? std::numeric_limits<double>::max() : 0.0;
      }
    }
    return negative ? -x : x;
  }

 private:
  // The quick way for the short numbers of a declaration (Clinger's): up to
  // 15 digits are a double exactly, so is a power of ten up to 1e22, and one
  // multiplication or division of two exact doubles is rounded correctly,
  // the value from_chars gives. False when the number is not that short.
  bool ExactValue(long long power, double* x) const {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (kept_ > 15 || power < -22 || power > 22) return false;
    long long digits = 0;
    for (int i = 0; i < kept_; ++i) digits = digits * 10 + (buffer_[i] - '0');
    const double d = static_cast<double>(digits);
    *x = power >= 0 ? d * kPowers[power] : d / kPowers[-power];
    return true;
  }

  static constexpr int kKept = 40;
  void Keep(char c) { buffer_[kept_++] = c; }

  char buffer_[kKept + 24];  // digits, "e" and the power
  int kept_ = 0;
  long long power_ = 0;
};

// Exponents are held at a bound far beyond the doubles, so that a text of
// many digits cannot overflow the count.
long long ExponentStep(long long exponent, char digit) {
  constexpr long long kLimit = 100000;
  const long long next = exponent * 10 + (digit - '0');
  return next > kLimit ? kLimit : next;
}

// Walks a number's text; with skip_blanks, blanks, tabs and line feeds are
// passed over wherever they are (the leading-number rule).
class NumberCursor {
 public:
  NumberCursor(std::string_view text, bool skip_blanks) : text_(text), skip_blanks_(skip_blanks) {
    SkipIgnored();
  }

  bool AtEnd() const { return pos_ == text_.size(); }
  char Peek() const { return At(pos_); }
  // The character right after the current one, nothing skipped.
  char PeekAfter() const { return At(pos_ + 1); }
  void Advance() {
    ++pos_;
    SkipIgnored();
  }
  // An optional sign; true for "-".
  bool Sign() {
    if (Peek() != '+' && Peek() != '-') return false;
    const bool negative = Peek() == '-';
    Advance();
    return negative;
  }
  // The optional sign and the digits of an exponent; false when there is no digit.
  bool Exponent(long long* out) {
    const bool negative = Sign();
    if (!IsDigit(Peek())) return false;
    long long exponent = 0;
    for (; IsDigit(Peek()); Advance()) exponent = ExponentStep(exponent, Peek());
    *out = negative ? -exponent : exponent;
    return true;
  }

 private:
  char At(size_t k) const { return k < text_.size() ? text_[k] : '\0'; }
  void SkipIgnored() {
    while (skip_blanks_ && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n')) ++pos_;
  }

  std::string_view text_;
  bool skip_blanks_;
  size_t pos_ = 0;
};

// ---- Text form of numbers ----

void AppendExponentForm(const DecimalDigits& d, std::string* out) {
  const std::string_view digits = d.digits();
  out->push_back(digits[0]);
  if (digits.size() > 1) {
    out->push_back(',');
    out->append(digits.substr(1));
  }
  out->push_back('E');
  out->push_back(d.exponent() < 0 ? '-' : '+');
  const int magnitude = d.exponent() < 0 ? -d.exponent() : d.exponent();
  if (magnitude < 10) out->push_back('0');
  char buffer[8];
  out->append(buffer, std::to_chars(buffer, buffer + sizeof buffer, magnitude).ptr);
}

void AppendPlainForm(const DecimalDigits& d, std::string* out) {
  out->append(d.IntegerPart());
  const int places = static_cast<int>(d.digits().size()) - d.exponent() - 1;
  if (places > 0) {
    out->push_back(',');
    out->append(d.FractionPart(places));
  }
}

// ---- Text to date ----

// Reads a date's text from left to right. It is a small value: ParseDate
// tries the all-numbers form on a copy, so the month-name form starts afresh.
class DateScanner {
 public:
  explicit DateScanner(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ == text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  void Skip() { ++pos_; }

  // Digits, with their count; answers false when there is none.
  bool Number(int* value, int* digits) {
    *value = 0;
    *digits = 0;
    while (!AtEnd() && IsDigit(text_[pos_])) {
      if (*digits < 9) *value = *value * 10 + (text_[pos_] - '0');
      ++*digits;
      ++pos_;
    }
    return *digits > 0;
  }
  bool Char(char c) {
    if (Peek() != c) return false;
    ++pos_;
    return true;
  }
  int Spaces() {
    int count = 0;
    while (Char(' ')) ++count;
    return count;
  }
  std::string_view Letters() {
    const size_t start = pos_;
    while (!AtEnd() && ((text_[pos_] >= 'a' && text_[pos_] <= 'z') ||
                        (text_[pos_] >= 'A' && text_[pos_] <= 'Z'))) {
      ++pos_;
    }
    return text_.substr(start, pos_ - start);
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

struct MonthName {
  const char* name;
  int month;
};

constexpr MonthName kMonthNames[] = {
    {"enero", 1},     {"febrero", 2},    {"marzo", 3},      {"abril", 4},
    {"mayo", 5},      {"junio", 6},      {"julio", 7},      {"agosto", 8},
    {"septiembre", 9}, {"setiembre", 9}, {"octubre", 10},   {"noviembre", 11},
    {"diciembre", 12}, {"ene", 1},       {"feb", 2},        {"mar", 3},
    {"abr", 4},       {"may", 5},        {"jun", 6},        {"jul", 7},
    {"ago", 8},       {"sep", 9},        {"set", 9},        {"oct", 10},
    {"nov", 11},      {"dic", 12},       {"january", 1},    {"february", 2},
    {"march", 3},     {"april", 4},      {"june", 6},       {"july", 7},
    {"august", 8},    {"september", 9},  {"october", 10},   {"november", 11},
    {"december", 12}, {"jan", 1},        {"apr", 4},        {"aug", 8},
    {"dec", 12}};

bool SameLetters(std::string_view word, std::string_view name) {
  if (word.size() != name.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    const char lower = word[i] >= 'A' && word[i] <= 'Z' ? static_cast<char>(word[i] + 32) : word[i];
    if (lower != name[i]) return false;
  }
  return true;
}

int MonthOfName(std::string_view word) {
  for (const MonthName& m : kMonthNames) {
    if (SameLetters(word, m.name)) return m.month;
  }
  return 0;
}

// Year of its written digits: one or two digits take the window 00-29 ->
// 2000-2029, 30-99 -> 1930-1999; four digits are the year itself; any other
// count is refused (0).
int FullYear(int value, int digits) {
  if (digits <= 2) return value < 30 ? 2000 + value : 1900 + value;
  if (digits == 4) return value;
  return 0;
}

// Gap between day, month name and year: one or more spaces, or one "-" or "/".
bool NameGap(DateScanner* s) { return s->Spaces() > 0 || s->Char('-') || s->Char('/'); }

bool ReadNumericDate(DateScanner* s, int first, int first_digits, CivilDate* date) {
  const char separator = s->Peek();
  if (separator != '/' && separator != '-' && separator != '.') return false;
  s->Skip();
  int second = 0, second_digits = 0, third = 0, third_digits = 0;
  if (!s->Number(&second, &second_digits) || second_digits > 2) return false;
  if (!s->Char(separator) || !s->Number(&third, &third_digits)) return false;
  if (first_digits == 4) {
    if (third_digits > 2) return false;
    *date = {first, second, third};
    return true;
  }
  if (first_digits > 2) return false;
  *date = {FullYear(third, third_digits), second, first};
  return true;
}

bool ReadNameDate(DateScanner* s, int day, int day_digits, CivilDate* date) {
  if (day_digits > 2 || !NameGap(s)) return false;
  const int month = MonthOfName(s->Letters());
  int year = 0, year_digits = 0;
  if (month == 0 || !NameGap(s) || !s->Number(&year, &year_digits)) return false;
  *date = {FullYear(year, year_digits), month, day};
  return true;
}

// H:MM or H:MM:SS, hours 0-23; answers the fraction of the day.
bool ReadTime(DateScanner* s, double* fraction) {
  int hour = 0, hour_digits = 0, minute = 0, minute_digits = 0, second = 0, second_digits = 2;
  if (!s->Number(&hour, &hour_digits) || hour_digits > 2 || !s->Char(':')) return false;
  if (!s->Number(&minute, &minute_digits) || minute_digits != 2) return false;
  if (s->Char(':') && !s->Number(&second, &second_digits)) return false;
  if (second_digits != 2 || hour > 23 || minute > 59 || second > 59) return false;
  *fraction = (hour * 3600 + minute * 60 + second) / 86400.0;
  return true;
}

}  // namespace

std::string Regional::NumberText(double x) {
  if (x == 0) return "0";  // negative zero too
  if (!std::isfinite(x)) return std::isnan(x) ? "NaN" : (x < 0 ? "-Infinito" : "Infinito");
  const DecimalDigits d(x);
  std::string out;
  if (d.negative()) out.push_back('-');
  if (d.exponent() < -4 || d.exponent() >= 15) {
    AppendExponentForm(d, &out);
  } else {
    AppendPlainForm(d, &out);
  }
  return out;
}

bool Regional::ParseNumber(std::string_view text, double* out) {
  NumberCursor c(Text::Trim(text), false);
  const bool negative = c.Sign();
  DecimalReader digits;
  bool any_digit = false;
  // "." only between digits: "1.234" is a grouping, "1." and ".5" are not.
  while (IsDigit(c.Peek()) || (c.Peek() == '.' && any_digit && IsDigit(c.PeekAfter()))) {
    if (c.Peek() != '.') {
      digits.IntegerDigit(c.Peek());
      any_digit = true;
    }
    c.Advance();
  }
  if (c.Peek() == ',') {
    for (c.Advance(); IsDigit(c.Peek()); c.Advance()) {
      digits.FractionDigit(c.Peek());
      any_digit = true;
    }
  }
  if (!any_digit) return false;
  long long exponent = 0;
  if (c.Peek() == 'E' || c.Peek() == 'e') {
    c.Advance();
    if (!c.Exponent(&exponent)) return false;
  }
  if (!c.AtEnd()) return false;
  const double value = digits.Value(negative, exponent);
  // A magnitude beyond the doubles is not a number the program can hold.
  if (std::fabs(value) == std::numeric_limits<double>::max()) return false;
  *out = value == 0 ? 0.0 : value;
  return true;
}

double Regional::LeadingNumber(std::string_view text) {
  NumberCursor c(text, true);
  const bool negative = c.Sign();
  DecimalReader digits;
  for (; IsDigit(c.Peek()); c.Advance()) digits.IntegerDigit(c.Peek());
  if (c.Peek() == '.') {
    for (c.Advance(); IsDigit(c.Peek()); c.Advance()) digits.FractionDigit(c.Peek());
  }
  long long exponent = 0;
  const char mark = c.Peek();
  if (mark == 'E' || mark == 'e' || mark == 'D' || mark == 'd') {
    c.Advance();
    c.Exponent(&exponent);  // a mark without digits ends the number
  }
  const double value = digits.Value(negative, exponent);
  return value == 0 ? 0.0 : value;
}

bool Regional::ParseDate(std::string_view text, double* day_count) {
  DateScanner s(Text::Trim(text));
  int first = 0, first_digits = 0;
  if (!s.Number(&first, &first_digits)) return false;
  CivilDate date;
  DateScanner numeric = s;
  bool read = ReadNumericDate(&numeric, first, first_digits, &date);
  if (read) {
    s = numeric;
  } else {
    read = ReadNameDate(&s, first, first_digits, &date);
  }
  if (!read || date.year < 100 || !Calendar::IsValid(date.year, date.month, date.day)) {
    return false;
  }
  double fraction = 0;
  if (!s.AtEnd() && (s.Spaces() == 0 || !ReadTime(&s, &fraction))) return false;
  if (!s.AtEnd()) return false;
  *day_count = Calendar::DayCount(date.year, date.month, date.day) + fraction;
  return true;
}

}  // namespace kaldoren
