#include "base/Calendar.h"

#include <cmath>

namespace kaldoren {
namespace {

// Days from 01/01/1970 of a civil date (Howard Hinnant's days_from_civil).
constexpr long long DaysFromCivil(long long y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  CivilDate date;
  date.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  date.year = static_cast<int>(yoe + era * 400 + (date.month <= 2));
  return date;
}

// 30/12/1899 counted from 01/01/1970.
constexpr long long kEpochOffset = DaysFromCivil(1899, 12, 30);

// Day counts are held within a billion days either way.
constexpr double kLimit = 1e9;

// Whole seconds of a day count, the time rounded from the exact fraction of
// the day: multiplying the whole count by 86400 first loses the fraction's
// last digits (40293.57903356481 is 13:53:48.4999, which would become :49).
// Counts far beyond any calendar (and NaN, as 0) are held within a billion
// days, so the conversions below stay defined.
double WholeSeconds(double day_count) {
  if (std::isnan(day_count)) return 0;
  if (day_count > kLimit) day_count = kLimit;
  if (day_count < -kLimit) day_count = -kLimit;
  const double days = std::floor(day_count);
  return days * 86400.0 + std::round((day_count - days) * 86400.0);
}

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

int Calendar::DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

bool Calendar::IsValid(int year, int month, int day) {
  return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

double Calendar::DayCount(int year, int month, int day) {
  return static_cast<double>(DaysFromCivil(year, month, day) - kEpochOffset);
}

CivilDate Calendar::DateOf(double day_count) {
  // A day count without a time of day, as date cells nearly always are, is
  // its own day: the rounding below, which showed in profiles of the teacher
  // checks, is skipped.
  if (day_count >= -kLimit && day_count <= kLimit) {
    const auto days = static_cast<long long>(day_count);
    if (static_cast<double>(days) == day_count) return CivilFromDays(days + kEpochOffset);
  }
  // Whole seconds first, so that 23:59:59.6 counts as the next day like its time does.
  const double seconds = WholeSeconds(day_count);
  const long long days = static_cast<long long>(std::floor(seconds / 86400.0));
  return CivilFromDays(days + kEpochOffset);
}

TimeOfDay Calendar::TimeOf(double day_count) {
  const double seconds = WholeSeconds(day_count);
  long long in_day = static_cast<long long>(seconds - std::floor(seconds / 86400.0) * 86400.0);
  TimeOfDay t;
  t.hour = static_cast<int>(in_day / 3600);
  t.minute = static_cast<int>(in_day / 60 % 60);
  t.second = static_cast<int>(in_day % 60);
  return t;
}

int Calendar::Weekday(double day_count) {
  const CivilDate d = DateOf(day_count);
  const long long days = DaysFromCivil(d.year, d.month, d.day);  // 01/01/1970 was a Thursday
  return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

}  // namespace kaldoren
