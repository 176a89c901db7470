#include "base/Format.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace kaldoren {
namespace {

// Half away from zero, sums of tenths as they are written; empty, text and
// date values too; WholeOrBlank writes nothing for zero.
TEST(FormatWhole, RoundsHalfAwayFromZeroAsWritten) {
  double sum = 0;
  for (int i = 0; i < 5; ++i) sum += 0.1;  // 0.49999999999999994
  const std::pair<double, const char*> numbers[] = {
      {2.5, "3"},          {-2.5, "-3"}, {2.4999, "2"}, {-0.5, "-1"},
      {99999.5, "100000"}, {-0.4, "0"},  {sum, "1"}};
  for (const auto& [x, text] : numbers) EXPECT_EQ(Format::Whole(Value::Number(x)), text) << x;
  EXPECT_EQ(Format::Whole(Value::Number(1e20)), "100000000000000000000");
  EXPECT_EQ(Format::Whole(Value()), "");
  EXPECT_EQ(Format::Whole(Value::Text("12,6")), "13");
  EXPECT_EQ(Format::Whole(Value::Text("abc")), "abc");
  EXPECT_EQ(Format::Whole(Value::Text("")), "");
  EXPECT_EQ(Format::Whole(Value::Date(38061.75)), "38062");
  for (const double x : {0.0, 0.4, -0.4}) EXPECT_EQ(Format::WholeOrBlank(Value::Number(x)), "");
  EXPECT_EQ(Format::WholeOrBlank(Value::Text("0")), "");
  EXPECT_EQ(Format::WholeOrBlank(Value::Number(7)), "7");
  EXPECT_EQ(Format::WholeOrBlank(Value::Number(-7)), "-7");
  EXPECT_EQ(Format::WholeOrBlank(Value()), "");
  EXPECT_EQ(Format::WholeOrBlank(Value::Text("x")), "x");
}

// Thousands grouped, two decimals rounded half away from zero, no sign on an
// amount that rounds to zero (2.675, held as 2.67499999..., gives 2,68);
// infinities named.
TEST(FormatAmount, GroupsThousandsAndRoundsToCents) {
  const std::pair<double, const char*> amounts[] = {
      {999.99, "999,99"},    {1234.5, "1.234,50"}, {-1234.5, "-1.234,50"}, {0.125, "0,13"},
      {-0.125, "-0,13"},     {2.675, "2,68"},      {1.005, "1,01"},        {0.005, "0,01"},
      {999.995, "1.000,00"}, {0.1 + 0.2, "0,30"}};
  for (const auto& [x, text] : amounts) EXPECT_EQ(Format::Amount(x), text) << x;
  EXPECT_EQ(Format::Amount(1234567.891), "1.234.567,89");
  EXPECT_EQ(Format::Amount(-999999.999), "-1.000.000,00");
  EXPECT_EQ(Format::Amount(1e20), "100.000.000.000.000.000.000,00");
  for (const double x : {0.0, -0.0, -0.004, 1e-300}) EXPECT_EQ(Format::Amount(x), "0,00") << x;
  // Amounts that are not finite are named, not crashed on.
  EXPECT_EQ(Format::Amount(std::numeric_limits<double>::infinity()), "Infinito");
  EXPECT_EQ(Format::Whole(Value::Number(-std::numeric_limits<double>::infinity())), "-Infinito");
}

// Serials checked against Python's datetime: (date - date(1899, 12, 30)).days.
// Two-digit day and month, four-digit year, a twenty-four hour time; the
// general form leaves out midnight.
TEST(FormatDates, ShortLongAndGeneralDateAndTime) {
  EXPECT_EQ(Format::DayMonthYear(0), "30/12/1899");
  EXPECT_EQ(Format::DayMonthYear(1), "31/12/1899");
  EXPECT_EQ(Format::DayMonthYear(38061), "15/03/2004");
  EXPECT_EQ(Format::DayMonthYear(38061.99), "15/03/2004");
  EXPECT_EQ(Format::DayMonthYear(-657434), "01/01/0100");
  EXPECT_EQ(Format::DayMonthYear(2958465), "31/12/9999");
  EXPECT_EQ(Format::HourMinuteSecond(38061), "00:00:00");
  EXPECT_EQ(Format::HourMinuteSecond(38061 + (18 * 3600 + 5 * 60 + 9) / 86400.0), "18:05:09");
  EXPECT_EQ(Format::GeneralDate(38061), "15/03/2004");
  EXPECT_EQ(Format::GeneralDate(38061.5), "15/03/2004 12:00:00");
  EXPECT_EQ(Format::GeneralDate(38061 + 1 / 86400.0), "15/03/2004 00:00:01");
  // The long date has Spanish names in lower case.
  EXPECT_EQ(Format::LongDate(46363), "lunes, 7 de diciembre de 2026");
  EXPECT_EQ(Format::LongDate(38245), "miércoles, 15 de septiembre de 2004");
  EXPECT_EQ(Format::LongDate(38108), "sábado, 1 de mayo de 2004");
  EXPECT_EQ(Format::LongDate(38046), "domingo, 29 de febrero de 2004");
}

}  // namespace
}  // namespace kaldoren
