#include "base/Format.h"

#include <cmath>

#include "base/Calendar.h"
#include "base/DecimalDigits.h"
#include "base/Regional.h"
#include "base/Text.h"

namespace kaldoren {
namespace {

constexpr const char* kWeekdays[] = {"domingo", "lunes",   "martes", "miércoles",
                                     "jueves",  "viernes", "sábado"};
constexpr const char* kMonths[] = {"enero",      "febrero", "marzo",     "abril",
                                   "mayo",       "junio",   "julio",     "agosto",
                                   "septiembre", "octubre", "noviembre", "diciembre"};

void AppendTwoDigits(std::string* out, int n) {
  out->push_back(static_cast<char>('0' + n / 10 % 10));
  out->push_back(static_cast<char>('0' + n % 10));
}

// "aa<separator>bb<separator>", room reserved for what follows.
std::string TwoPairs(int first, int second, char separator) {
  std::string out;
  out.reserve(10);
  AppendTwoDigits(&out, first);
  out.push_back(separator);
  AppendTwoDigits(&out, second);
  out.push_back(separator);
  return out;
}

void AppendNumber(std::string* out, int n) {
  if (n < 0) {
    out->push_back('-');
    n = -n;
  }
  char buffer[12];
  int size = 0;
  do {
    buffer[size++] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n > 0);
  while (size > 0) out->push_back(buffer[--size]);
}

void AppendYear(std::string* out, int year) {
  if (year >= 0 && year < 1000) out->append(year < 10 ? "000" : year < 100 ? "00" : "0");
  AppendNumber(out, year);
}

// Rounded half away from zero on the 15 significant digits a clerk sees, so
// that 0.49999999999999994 (a sum of tenths) gives 1 like the 0,5 it stands for.
std::string WholeText(double x) {
  if (!std::isfinite(x)) return Regional::NumberText(x);
  DecimalDigits d(x);
  d.RoundTo(0);
  return d.zero() || !d.negative() ? d.IntegerPart() : "-" + d.IntegerPart();
}

std::string Pad(std::string_view text, size_t width, bool left) {
  const size_t length = Text::Length(text);
  if (length >= width) return std::string(text);
  std::string out;
  out.reserve(text.size() + width - length);
  if (!left) out.append(width - length, ' ');
  out.append(text);
  if (left) out.append(width - length, ' ');
  return out;
}

}  // namespace

std::string Format::Left(std::string_view text, size_t width) { return Pad(text, width, true); }

std::string Format::Right(std::string_view text, size_t width) { return Pad(text, width, false); }

std::string Format::Whole(const Value& v) {
  double x = 0;
  if (v.AsNumber(&x)) return WholeText(x);
  return v.text();
}

std::string Format::WholeOrBlank(const Value& v) {
  const std::string text = Whole(v);
  return text == "0" ? std::string() : text;
}

std::string Format::Amount(double x) {
  if (!std::isfinite(x)) return Regional::NumberText(x);
  // Rounded on the 15 significant digits a clerk sees: 2.675 gives 2,68.
  DecimalDigits d(x);
  d.RoundTo(2);
  const std::string whole = d.IntegerPart();
  std::string out;
  out.reserve(whole.size() + whole.size() / 3 + 4);
  if (!d.zero() && d.negative()) out.push_back('-');
  for (size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) out.push_back('.');
    out.push_back(whole[i]);
  }
  out.push_back(',');
  out.append(d.FractionPart(2));
  return out;
}

std::string Format::DayMonthYear(double day_count) {
  const CivilDate date = Calendar::DateOf(day_count);
  std::string out = TwoPairs(date.day, date.month, '/');
  AppendYear(&out, date.year);
  return out;
}

std::string Format::HourMinuteSecond(double day_count) {
  const TimeOfDay t = Calendar::TimeOf(day_count);
  std::string out = TwoPairs(t.hour, t.minute, ':');
  AppendTwoDigits(&out, t.second);
  return out;
}

std::string Format::LongDate(double day_count) {
  const CivilDate date = Calendar::DateOf(day_count);
  std::string out = kWeekdays[Calendar::Weekday(day_count)];
  out.append(", ");
  AppendNumber(&out, date.day);
  out.append(" de ");
  out.append(kMonths[date.month - 1]);
  out.append(" de ");
  AppendYear(&out, date.year);
  return out;
}

std::string Format::GeneralDate(double day_count) {
  const TimeOfDay t = Calendar::TimeOf(day_count);
  std::string out = DayMonthYear(day_count);
  if (t.hour != 0 || t.minute != 0 || t.second != 0) {
    out.push_back(' ');
    out.append(HourMinuteSecond(day_count));
  }
  return out;
}

}  // namespace kaldoren
