// Calendar: day counts since 30/12/1899 (the date numbering of the whole
// program) to and from calendar dates, in the proleptic Gregorian calendar.
// Day counts beyond a billion days either way (and NaN, read as 0) are held
// at that limit: no input makes the conversions undefined.
#pragma once

namespace kaldoren {

struct CivilDate {
  int year = 1899;
  int month = 12;
  int day = 30;
};

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Calendar {
 public:
  static bool IsValid(int year, int month, int day);
  static int DaysInMonth(int year, int month);
  // Day count of a calendar date (30/12/1899 is 0, 31/12/1899 is 1).
  static double DayCount(int year, int month, int day);
  // Calendar date of the whole part of a day count (rounded down).
  static CivilDate DateOf(double day_count);
  // Time of day of the fraction of a day count, seconds rounded to the nearest
  // (a fraction that rounds to 24:00:00 gives 00:00:00 of the same day part).
  static TimeOfDay TimeOf(double day_count);
  // Day of the week, 0 for Sunday.
  static int Weekday(double day_count);
};

}  // namespace kaldoren
