#include "workbook/TextValue.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/Calendar.h"

namespace kaldoren {
namespace {

TEST(TextValue, DatesTimesDurationsAndNumbersAsTheCellModelHoldsThem) {
  using Reader = bool (*)(std::string_view, double*);
  const double april_25_2010 = Calendar::DayCount(2010, 4, 25);
  const double kRefused = NAN;
  const struct {
    const char* shows;
    Reader read;
    std::string_view text;
    double expected;
  } cases[] = {
      {"date and time, zone ignored", TextValue::DateTime, "2010-04-25T13:53:48.5+03:00",
       april_25_2010 + 50028.5 / 86400},
      {"time with a long fraction", TextValue::TimeOfDay, "04:48:00.00000000000095850", 0.2},
      {"negative duration past a day", TextValue::Duration, "-P1DT12H", -1.5},
      {"signed exponent number, blanks around", TextValue::Number, " +1.5E3\n", 1500},
      {"no 30 February", TextValue::DateTime, "2004-02-30", kRefused},
      {"no hour 24", TextValue::DateTime, "2004-01-01T24:00:00", kRefused},
      {"a date is no time", TextValue::TimeOfDay, "2004-01-01", kRefused},
      {"months have no fixed length", TextValue::Duration, "P1M", kRefused},
      {"decimal comma", TextValue::Number, "1,5", kRefused},
  };
  for (const auto& c : cases) {
    double out = kRefused;
    EXPECT_EQ(c.read(c.text, &out), !std::isnan(c.expected)) << c.shows;
    if (!std::isnan(c.expected)) {
      EXPECT_NEAR(out, c.expected, 1e-9) << c.shows;
    }
  }
}

}  // namespace
}  // namespace kaldoren
