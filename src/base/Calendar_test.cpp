#include "base/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kaldoren {
namespace {

// Serials checked against Python's datetime: (date - date(1899, 12, 30)).days.
TEST(Calendar, DayCountsStartOnThe30thOfDecember1899) {
  EXPECT_EQ(Calendar::DayCount(1899, 12, 30), 0);
  EXPECT_EQ(Calendar::DayCount(1899, 12, 31), 1);
  EXPECT_EQ(Calendar::DayCount(1900, 2, 28), 60);
  EXPECT_EQ(Calendar::DayCount(1900, 3, 1), 61);
  EXPECT_EQ(Calendar::DayCount(2004, 3, 15), 38061);
  EXPECT_EQ(Calendar::DayCount(100, 1, 1), -657434);
  EXPECT_EQ(Calendar::DayCount(9999, 12, 31), 2958465);
}

TEST(Calendar, DateOfGivesBackTheCalendarDate) {
  for (const double count : {-657434.0, -1.0, 0.0, 60.0, 61.0, 38046.0, 2958465.0}) {
    const CivilDate d = Calendar::DateOf(count);
    EXPECT_EQ(Calendar::DayCount(d.year, d.month, d.day), count);
  }
  const CivilDate leap = Calendar::DateOf(38046.75);
  EXPECT_EQ(leap.year, 2004);
  EXPECT_EQ(leap.month, 2);
  EXPECT_EQ(leap.day, 29);
}

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

TEST(Calendar, TimeOfRoundsToTheNearestSecond) {
  const TimeOfDay t = Calendar::TimeOf(38061 + (10 * 3600 + 30 * 60 + 15.4) / 86400.0);
  EXPECT_EQ(t.hour, 10);
  EXPECT_EQ(t.minute, 30);
  EXPECT_EQ(t.second, 15);
  // 13:53:48.4999...: rounded from the fraction, not from the whole count
  // times 86400, which comes out at exactly .5 and went up to :49.
  const TimeOfDay exacta = Calendar::TimeOf(40293.57903356481);
  EXPECT_EQ(exacta.hour * 10000 + exacta.minute * 100 + exacta.second, 135348);
}

TEST(Calendar, AlmostMidnightRollsOverToTheNextDay) {
  const double count = 38061 + (86400 - 0.4) / 86400.0;
  const TimeOfDay t = Calendar::TimeOf(count);
  EXPECT_EQ(t.hour + t.minute + t.second, 0);
  EXPECT_EQ(Calendar::DateOf(count).day, 16);
}

TEST(Calendar, WeekdayCountsFromSunday) {
  EXPECT_EQ(Calendar::Weekday(38061), 1);    // Monday 15/03/2004
  EXPECT_EQ(Calendar::Weekday(38046), 0);    // Sunday 29/02/2004
  EXPECT_EQ(Calendar::Weekday(38108), 6);    // Saturday 01/05/2004
  EXPECT_EQ(Calendar::Weekday(-657434), 5);  // Friday 01/01/0100
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
