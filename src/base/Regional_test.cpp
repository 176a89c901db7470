#include "base/Regional.h"

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace kaldoren {
namespace {

// Fifteen significant digits with a decimal comma, zero without sign, and the
// exponent form only outside the usual range (999999999999999,9 rounds into it).
TEST(RegionalNumberText, WritesNumbersAsTheRegionalSettingsDo) {
  const std::pair<double, const char*> cases[] = {
      {1234.5, "1234,5"},       {-2.5, "-2,5"},           {0.1 + 0.2, "0,3"},
      {1.0 / 3, "0,333333333333333"},                     {2.0 / 3, "0,666666666666667"},
      {25900, "25900"},         {0, "0"},                 {-0.0, "0"},
      {999999999999999.0, "999999999999999"},             {1e15, "1E+15"},
      {999999999999999.9, "1E+15"},                       {-1.5e20, "-1,5E+20"},
      {123456789012345678.0, "1,23456789012346E+17"},     {1e100, "1E+100"},
      {0.0001, "0,0001"},       {0.00012345, "0,00012345"}, {0.00001, "1E-05"},
      {-0.000015, "-1,5E-05"},  {DBL_MAX, "1,79769313486232E+308"},
      {std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(Regional::NumberText(value), text) << text;
}

struct TextAndNumber {
  std::string text;
  double value;
};

// Up to 15 digits and powers of ten up to 22 take a quicker way than longer
// numbers; the double must be the nearest one all the same.
TEST(RegionalParseNumber, ReadsRegionalNumericTextsToTheNearestDouble) {
  const TextAndNumber cases[] = {
      {"12", 12},        {"  12  ", 12},    {"+3", 3},           {"-3", -3},
      {"1.234,5", 1234.5}, {"1.234.567", 1234567}, {"1.5", 15},   {"12.34.5", 12345},
      {",5", 0.5},       {"-,5", -0.5},     {"5,", 5},           {"1,5E3", 1500},
      {"1e3", 1000},     {"2E-2", 0.02},    {"1e+2", 100},       {"0", 0},
      {"-0", 0},         {"007", 7},        {"0,000000000000000000001", 1e-21},
      {"0,1", 0.1},      {"2,675", 2.675},  {"1234567,89", 1234567.89},  {"-0,3", -0.3},
      {"1,5E-20", 1.5e-20}, {"3E-22", 3e-22}, {"3E-23", 3e-23},
      {"123456789012345", 123456789012345.0},   {"12345678901234,5", 12345678901234.5},
      {"999999999999999E22", 999999999999999e22}, {"1234567890123456", 1234567890123456.0},
      {"123456789012345678901234567890,5", 123456789012345678901234567890.5},
      {std::string(300, '9'), 1e300}, {"0," + std::string(400, '0') + "1", 0}};
  for (const TextAndNumber& c : cases) {
    double x = -99;
    EXPECT_TRUE(Regional::ParseNumber(c.text, &x)) << c.text;
    EXPECT_EQ(x, c.value) << c.text;
  }
}

TEST(RegionalParseNumber, RefusesTextsThatAreNotNumbers) {
  for (const char* text : {"", "   ", "abc", "1 2", "1,2,3", "1.", ".5", "1..2", "1.,5",
                           "+", "-", ",", "E5", "1e", "1e+", "\t1", "1\t", "1 e3", "12ab",
                           "1.234,5.6", "--1", "1-", "0x10", "١٢"}) {
    double x = -99;
    EXPECT_FALSE(Regional::ParseNumber(text, &x)) << text;
    EXPECT_EQ(x, -99) << text;  // left alone
  }
}

TEST(RegionalParseNumber, MagnitudesBeyondTheDoublesAreNotNumbers) {
  double x = -99;
  EXPECT_FALSE(Regional::ParseNumber(std::string(400, '9'), &x));
  EXPECT_FALSE(Regional::ParseNumber("1e99999999999999999999", &x));
  EXPECT_EQ(x, -99);
  ASSERT_TRUE(Regional::ParseNumber("1e-400", &x));
  EXPECT_EQ(x, 0);
}

TEST(RegionalLeadingNumber, ReadsTheNumberAtTheStartOfAText) {
  const TextAndNumber cases[] = {
      {"25900", 25900},   {"25 900", 25900},    {"12ab", 12},      {"ab12", 0},
      {"1,5", 1},         {"1.5", 1.5},         {".5", 0.5},       {"-12", -12},
      {"+ 7", 7},         {"\t1\n2", 12},       {"1e3", 1000},     {"1D3", 1000},
      {"1e", 1},          {"1e+", 1},           {"2E-1x", 0.2},    {"", 0},
      {"-", 0},           {".", 0},             {"1.2.3", 1.2},    {"1 . 5 E 1", 15},
      {"  -0", 0},        {"P17", 0},           {"\r12", 0}};
  for (const TextAndNumber& c : cases) {
    EXPECT_EQ(Regional::LeadingNumber(c.text), c.value) << c.text;
  }
  // Huge exponents are held at the largest double.
  EXPECT_EQ(Regional::LeadingNumber("1e400"), DBL_MAX);
  EXPECT_EQ(Regional::LeadingNumber("-1e99999999999999999999"), -DBL_MAX);
  EXPECT_EQ(Regional::LeadingNumber("1e-400"), 0);
  EXPECT_EQ(Regional::LeadingNumber("0e999999"), 0);
  EXPECT_EQ(Regional::LeadingNumber(std::string(400, '0') + "1"), 1);
}

double DateOf(const char* text) {
  double count = -1;
  EXPECT_TRUE(Regional::ParseDate(text, &count)) << text;
  return count;
}

// Serials checked against Python's datetime: (date - date(1899, 12, 30)).days.
// Day, month and year with one separator, or the year first with four digits;
// short years in the window from 1930 to 2029; an optional time of day.
TEST(RegionalParseDate, ReadsTheDateFormsInUse) {
  const TextAndNumber cases[] = {
      {"15/03/2004", 38061},   {"15-03-2004", 38061},  {"15.3.2004", 38061},
      {"  15/3/04  ", 38061},  {"29/02/2004", 38046},  {"1.5.2004", 38108},
      {"15-MAR-2004", 38061},  {"15/Mar/2004", 38061}, {"15   March 04", 38061},
      {"2004-03-15", 38061},   {"2004/3/15", 38061},   {"1/1/30", 10959},
      {"31/12/29", 47483},     {"15/3/4", 38061},      {"1/1/00", 36526},
      {"1/1/99", 36161},       {"15/03/2004 0:00", 38061},
      {"15/03/2004 10:30", 38061 + 10.5 / 24},
      {"15/03/2004   6:00:36", 38061 + (6 * 3600 + 36) / 86400.0},
      {"15 mar 2004 23:59:59", 38061 + 86399 / 86400.0}};
  for (const TextAndNumber& c : cases) EXPECT_EQ(DateOf(c.text.c_str()), c.value) << c.text;
}

TEST(RegionalParseDate, EveryMonthNameNamesItsMonth) {
  const char* const names[][5] = {
      {"enero", "ene", "january", "jan", nullptr},   {"febrero", "feb", "february", nullptr, nullptr},
      {"marzo", "mar", "march", nullptr, nullptr},   {"abril", "abr", "april", "apr", nullptr},
      {"mayo", "may", nullptr, nullptr, nullptr},    {"junio", "jun", "june", nullptr, nullptr},
      {"julio", "jul", "july", nullptr, nullptr},    {"agosto", "ago", "august", "aug", nullptr},
      {"septiembre", "setiembre", "sep", "set", "september"},
      {"octubre", "oct", "october", nullptr, nullptr}, {"noviembre", "nov", "november", nullptr, nullptr},
      {"diciembre", "dic", "december", "dec", nullptr}};
  for (int month = 1; month <= 12; ++month) {
    for (const char* name : names[month - 1]) {
      if (name == nullptr) break;
      EXPECT_EQ(DateOf(("1 " + std::string(name) + " 2004").c_str()),
                DateOf(("1/" + std::to_string(month) + "/2004").c_str()))
          << name;
    }
  }
}

TEST(RegionalParseDate, RefusesTextsThatAreNotDates) {
  for (const char* text :
       {"", "abc", "38061", "15032004", "10:30", "10:30:00", "31/02/2004", "29/02/2003",
        "10/13/2004", "0/1/2004", "32/1/2004", "15/03", "15/03/2004/1", "15/03-2004",
        "15.03/2004", "1/1/130", "1/1/02004", "1/1/0099", "123/1/2004", "2004-3-150",
        "15 marz 2004", "15 mar", "mar 15 2004", "15 de marzo de 2004", "15marzo2004",
        "15 - mar - 2004", "15/03/2004 24:00", "15/03/2004 10:60", "15/03/2004 10:5",
        "15/03/2004 10", "15/03/2004 10:30:60", "15/03/2004 10:30:5", "15/03/2004x",
        "15/03/200410:30", "15/03/2004 10:30 x", "15/03/2004\t10:30", "\t15/03/2004",
        "-15/03/2004", "15/-3/2004", "1,5/3/2004"}) {
    double count = -1;
    EXPECT_FALSE(Regional::ParseDate(text, &count)) << text;
    EXPECT_EQ(count, -1) << text;
  }
}

}  // namespace
}  // namespace kaldoren
