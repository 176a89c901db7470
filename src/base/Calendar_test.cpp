#include "base/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kaldoren {
namespace {

TEST(Calendar, LeapYearsFollowTheGregorianRule) {
  EXPECT_TRUE(Calendar::IsValid(2004, 2, 29));
  EXPECT_TRUE(Calendar::IsValid(2000, 2, 29));
  EXPECT_FALSE(Calendar::IsValid(1900, 2, 29));
  EXPECT_FALSE(Calendar::IsValid(2003, 2, 29));
  EXPECT_FALSE(Calendar::IsValid(2004, 4, 31));
  EXPECT_FALSE(Calendar::IsValid(2004, 13, 1));
  EXPECT_FALSE(Calendar::IsValid(2004, 0, 1));
  EXPECT_FALSE(Calendar::IsValid(2004, 1, 0));
}

TEST(Calendar, TimeOfRoundsToTheNearestSecondAndAlmostMidnightIsTheNextDay) {
  const TimeOfDay t = Calendar::TimeOf(38061 + (10 * 3600 + 30 * 60 + 15.4) / 86400.0);
  EXPECT_EQ(t.hour * 10000 + t.minute * 100 + t.second, 103015);
  const double casi = 38061 + (86400 - 0.4) / 86400.0;
  const TimeOfDay medianoche = Calendar::TimeOf(casi);
  EXPECT_EQ(medianoche.hour + medianoche.minute + medianoche.second, 0);
  EXPECT_EQ(Calendar::DateOf(casi).day, 16);
  // 13:53:48.4999...: rounded from the fraction, not from the whole count
  // times 86400, which comes out at exactly .5 and went up to :49.
  const TimeOfDay exacta = Calendar::TimeOf(40293.57903356481);
  EXPECT_EQ(exacta.hour * 10000 + exacta.minute * 100 + exacta.second, 135348);
}

TEST(Calendar, CountsFarOutsideAnyCalendarStayDefined) {
  for (const double count : {1e300, -1e300, std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()}) {
    const CivilDate d = Calendar::DateOf(count);
    EXPECT_TRUE(d.month >= 1 && d.month <= 12);
    EXPECT_TRUE(Calendar::Weekday(count) >= 0 && Calendar::Weekday(count) <= 6);
    EXPECT_TRUE(Calendar::TimeOf(count).hour < 24);
  }
}

}  // namespace
}  // namespace kaldoren
