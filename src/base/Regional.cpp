#include "base/Regional.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "base/Calendar.h"
#include "base/DecimalDigits.h"
#include "base/Text.h"

namespace kaldoren {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A number spelled with "." as decimal point and "e" as exponent mark, built
// on the stack for std::from_chars (which never consults the C locale).
class NumberSpelling {
 public:
  void Push(char c) {
    if (size_ < buffer_.size()) buffer_[size_++] = c;
  }
  // Exponents beyond any double are clamped so the spelling stays short.
  void PushExponent(bool negative, long long exponent) {
    Push('e');
    if (negative) Push('-');
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, exponent).ptr;
    for (const char* p = digits; p != end; ++p) Push(*p);
  }
  bool Overflowed() const { return size_ == buffer_.size(); }
  // Parses the spelling; a magnitude beyond the doubles answers false.
  bool Value(double* out) const {
    double x = 0;
    const auto result = std::from_chars(buffer_.data(), buffer_.data() + size_, x);
    if (result.ec != std::errc() || result.ptr != buffer_.data() + size_) return false;
    *out = x;
    return true;
  }

 private:
  std::array<char, 400> buffer_{};
  size_t size_ = 0;
};

// Significant digits read into a spelling: leading zeros are dropped and the
// digits beyond what a double can tell apart are counted as a power of ten.
class MantissaReader {
 public:
  explicit MantissaReader(NumberSpelling* spelling) : spelling_(spelling) {}

  void IntegerDigit(char c) {
    if (c == '0' && significant_ == 0) return;
    if (significant_ < kKept) {
      spelling_->Push(c);
      ++significant_;
    } else {
      ++dropped_integer_digits_;
    }
  }
  void FractionDigit(char c) {
    if (significant_ == 0 && c == '0') {
      ++leading_fraction_zeros_;
      return;
    }
    if (significant_ < kKept) {
      spelling_->Push(c);
      ++significant_;
      ++kept_fraction_digits_;
    }
  }
  bool Empty() const { return significant_ == 0; }
  // Power of ten that scales the kept digits (read as an integer) to the value.
  long long Scale() const {
    return dropped_integer_digits_ - kept_fraction_digits_ - leading_fraction_zeros_;
  }

 private:
  static constexpr int kKept = 40;  // far beyond the 17 digits a double holds
  NumberSpelling* spelling_;
  int significant_ = 0;
  long long dropped_integer_digits_ = 0;
  long long kept_fraction_digits_ = 0;
  long long leading_fraction_zeros_ = 0;
};

constexpr long long kExponentLimit = 100000;

long long ClampedExponentStep(long long exponent, char digit) {
  const long long next = exponent * 10 + (digit - '0');
  return next > kExponentLimit ? kExponentLimit : next;
}

// Value of mantissa digits times ten to a power: beyond the doubles it is
// the largest double (keeping the sign), below them zero.
double ScaledValue(const MantissaReader& mantissa, NumberSpelling* spelling, bool negative,
                   long long exponent) {
  if (mantissa.Empty()) return negative ? -0.0 : 0.0;
  const long long power = mantissa.Scale() + exponent;
  spelling->PushExponent(power < 0, power < 0 ? -power : power);
  double x = 0;
  if (!spelling->Value(&x)) {
    x = power > 0 ? std::numeric_limits<double>::max() : 0.0;
  }
  return negative ? -x : x;
}

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

// Reads the text from left to right; every reader answers false without
// consuming anything useful when the text does not continue as expected.
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
  text = Text::Trim(text);
  size_t i = 0;
  const auto at = [&](size_t k) { return k < text.size() ? text[k] : '\0'; };
  bool negative = false;
  if (at(i) == '+' || at(i) == '-') negative = text[i++] == '-';
  NumberSpelling spelling;
  MantissaReader mantissa(&spelling);
  bool any_digit = false;
  while (IsDigit(at(i)) || (at(i) == '.' && any_digit && IsDigit(at(i + 1)))) {
    if (text[i] != '.') {
      mantissa.IntegerDigit(text[i]);
      any_digit = true;
    }
    ++i;
  }
  if (at(i) == ',') {
    ++i;
    bool any_fraction = false;
    while (IsDigit(at(i))) {
      mantissa.FractionDigit(text[i++]);
      any_fraction = true;
    }
    if (!any_digit && !any_fraction) return false;
  } else if (!any_digit) {
    return false;
  }
  long long exponent = 0;
  if (at(i) == 'E' || at(i) == 'e') {
    ++i;
    bool exponent_negative = false;
    if (at(i) == '+' || at(i) == '-') exponent_negative = text[i++] == '-';
    if (!IsDigit(at(i))) return false;
    while (IsDigit(at(i))) exponent = ClampedExponentStep(exponent, text[i++]);
    if (exponent_negative) exponent = -exponent;
  }
  if (i != text.size()) return false;
  const double value = ScaledValue(mantissa, &spelling, negative, exponent);
  // A magnitude beyond the doubles is not a number the program can hold.
  if (std::fabs(value) == std::numeric_limits<double>::max()) return false;
  *out = value == 0 ? 0.0 : value;
  return true;
}

double Regional::LeadingNumber(std::string_view text) {
  // Blanks, tabs and line feeds are ignored wherever they are.
  size_t i = 0;
  const auto at = [&](size_t k) {
    while (k < text.size() && (text[k] == ' ' || text[k] == '\t' || text[k] == '\n')) ++k;
    return k;
  };
  const auto ch = [&](size_t k) { return k < text.size() ? text[k] : '\0'; };
  i = at(i);
  bool negative = false;
  if (ch(i) == '+' || ch(i) == '-') {
    negative = text[i] == '-';
    i = at(i + 1);
  }
  NumberSpelling spelling;
  MantissaReader mantissa(&spelling);
  for (; IsDigit(ch(i)); i = at(i + 1)) mantissa.IntegerDigit(text[i]);
  if (ch(i) == '.') {
    for (i = at(i + 1); IsDigit(ch(i)); i = at(i + 1)) mantissa.FractionDigit(text[i]);
  }
  long long exponent = 0;
  const char mark = ch(i);
  if (mark == 'E' || mark == 'e' || mark == 'D' || mark == 'd') {
    size_t k = at(i + 1);
    bool exponent_negative = false;
    if (ch(k) == '+' || ch(k) == '-') {
      exponent_negative = text[k] == '-';
      k = at(k + 1);
    }
    for (; IsDigit(ch(k)); k = at(k + 1)) exponent = ClampedExponentStep(exponent, text[k]);
    if (exponent_negative) exponent = -exponent;
  }
  const double value = ScaledValue(mantissa, &spelling, negative, exponent);
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
