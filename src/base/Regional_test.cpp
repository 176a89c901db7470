#include "base/Regional.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

namespace kaldoren {
namespace {

using TextAndNumber = std::pair<std::string, double>;

using Parser = bool (*)(std::string_view, double*);

// The value a parser reads from a text it must accept.
template <Parser Parse>
double Read(const std::string& text) {
  double x = -99;
  EXPECT_TRUE(Parse(text, &x)) << text;
  return x;
}

constexpr auto NumberOf = Read<Regional::ParseNumber>;
constexpr auto DateOf = Read<Regional::ParseDate>;

// A text a parser must refuse, leaving the value alone.
template <Parser Parse>
void ExpectRefused(const std::string& text) {
  double x = -99;
  EXPECT_FALSE(Parse(text, &x)) << text;
  EXPECT_EQ(x, -99) << text;
}

// Fifteen significant digits with a decimal comma, zero without sign, and the
// exponent form only outside the usual range (999999999999999,9 rounds into it).
TEST(RegionalNumberText, WritesNumbersAsTheRegionalSettingsDo) {
  const TextAndNumber cases[] = {
      {"1234,5", 1234.5},        {"-2,5", -2.5},     {"0,3", 0.1 + 0.2},
      {"25900", 25900},          {"0", 0},           {"0", -0.0},
      {"1E+15", 1e15},           {"1E+100", 1e100},  {"-1,5E+20", -1.5e20},
      {"0,0001", 0.0001},        {"1E-05", 0.00001}, {"-1,5E-05", -0.000015},
      {"0,00012345", 0.00012345}};
  for (const auto& [text, value] : cases) EXPECT_EQ(Regional::NumberText(value), text) << text;
  EXPECT_EQ(Regional::NumberText(999999999999999.9), "1E+15");
  EXPECT_EQ(Regional::NumberText(1.0 / 3), "0,333333333333333");
  EXPECT_EQ(Regional::NumberText(2.0 / 3), "0,666666666666667");
  EXPECT_EQ(Regional::NumberText(999999999999999.0), "999999999999999");
  EXPECT_EQ(Regional::NumberText(123456789012345678.0), "1,23456789012346E+17");
  EXPECT_EQ(Regional::NumberText(DBL_MAX), "1,79769313486232E+308");
  EXPECT_EQ(Regional::NumberText(DBL_TRUE_MIN), "4,94065645841247E-324");
}

// Up to 15 digits and powers of ten up to 22 take a quicker way than longer
// numbers; the double must be the nearest one all the same. A tiny magnitude
// reads as zero.
TEST(RegionalParseNumber, ReadsRegionalNumericTextsToTheNearestDouble) {
  const TextAndNumber cases[] = {
      {"12", 12},       {"  12  ", 12},      {"+3", 3},          {"-3", -3},
      {"1.5", 15},      {",5", 0.5},         {"-,5", -0.5},      {"5,", 5},
      {"1,5E3", 1500},  {"1e3", 1000},       {"0", 0},           {"-0", 0},
      {"007", 7},       {"0,1", 0.1},        {"-0,3", -0.3},     {"1e+2", 100},
      {"2E-2", 0.02},   {"3E-22", 3e-22},    {"3E-23", 3e-23},   {"1e-400", 0},
      {"2,675", 2.675}, {"1.234,5", 1234.5}, {"12.34.5", 12345}, {"1,5E-20", 1.5e-20}};
  for (const auto& [text, value] : cases) EXPECT_EQ(NumberOf(text), value) << text;
  // Long numbers must give what the C library reads from them.
  const auto as_the_c_library = [](std::string text) {
    const double x = NumberOf(text);
    std::replace(text.begin(), text.end(), ',', '.');
    EXPECT_EQ(x, std::strtod(text.c_str(), nullptr)) << text;
  };
  for (const char* text :
       {"1234567,89", "0,000000000000000000001", "123456789012345", "12345678901234,5",
        "999999999999999E22", "1234567890123456", "123456789012345678901234567890,5"})
    as_the_c_library(text);
  as_the_c_library(std::string(300, '9'));
  as_the_c_library("0," + std::string(400, '0') + "1");
}

// A magnitude beyond the doubles is not a number either.
TEST(RegionalParseNumber, RefusesTextsThatAreNotNumbers) {
  const auto refuses = ExpectRefused<Regional::ParseNumber>;
  for (const char* text : {"",     "   ",  "abc",  "1 2",       "1,2,3", "1.", ".5",   "1..2",
                           "1.,5", "+",    "-",    ",",         "E5",    "1e", "1e+",  "\t1",
                           "1\t",  "1 e3", "12ab", "1.234,5.6", "--1",   "1-", "0x10", "١٢"})
    refuses(text);
  refuses(std::string(400, '9'));
  refuses("1e99999999999999999999");
}

// Huge exponents are held at the largest double.
TEST(RegionalLeadingNumber, ReadsTheNumberAtTheStartOfAText) {
  const TextAndNumber cases[] = {
      {"25900", 25900},  {"25 900", 25900}, {"12ab", 12}, {"ab12", 0},    {"1,5", 1},
      {"1.5", 1.5},      {".5", 0.5},       {"-12", -12}, {"+ 7", 7},     {"\t1\n2", 12},
      {"1e3", 1000},     {"1D3", 1000},     {"1e", 1},    {"1e+", 1},     {"2E-1x", 0.2},
      {"", 0},           {"-", 0},          {".", 0},     {"1.2.3", 1.2}, {"1 . 5 E 1", 15},
      {"  -0", 0},       {"P17", 0},        {"\r12", 0},  {"1e-400", 0},  {"0e999999", 0},
      {"1e400", DBL_MAX}};
  EXPECT_EQ(Regional::LeadingNumber("-1e99999999999999999999"), -DBL_MAX);
  EXPECT_EQ(Regional::LeadingNumber(std::string(400, '0') + "1"), 1);
  for (const auto& [text, value] : cases) EXPECT_EQ(Regional::LeadingNumber(text), value) << text;
}

// Serials checked against Python's datetime: (date - date(1899, 12, 30)).days.
// Day, month and year with one separator, or the year first with four digits;
// short years in the window from 1930 to 2029; an optional time of day.
TEST(RegionalParseDate, ReadsTheDateFormsInUse) {
  const TextAndNumber cases[] = {
      {"15/03/2004", 38061},  {"15-03-2004", 38061},  {"15.3.2004", 38061},
      {"  15/3/04  ", 38061}, {"29/02/2004", 38046},  {"1.5.2004", 38108},
      {"15-MAR-2004", 38061}, {"15/Mar/2004", 38061}, {"15   March 04", 38061},
      {"2004-03-15", 38061},  {"2004/3/15", 38061},   {"1/1/30", 10959},
      {"31/12/29", 47483},    {"15/3/4", 38061},      {"1/1/00", 36526},
      {"1/1/99", 36161}};
  for (const auto& [text, value] : cases) EXPECT_EQ(DateOf(text), value) << text;
  EXPECT_EQ(DateOf("15/03/2004 0:00"), 38061);
  EXPECT_EQ(DateOf("15/03/2004 10:30"), 38061 + 10.5 / 24);
  EXPECT_EQ(DateOf("15/03/2004   6:00:36"), 38061 + (6 * 3600 + 36) / 86400.0);
  EXPECT_EQ(DateOf("15 mar 2004 23:59:59"), 38061 + 86399 / 86400.0);
}

// Each month's names, Spanish and English, full and short.
TEST(RegionalParseDate, EveryMonthNameNamesItsMonth) {
  std::istringstream months(
      "enero ene january jan; febrero feb february; marzo mar march; abril abr april apr; "
      "mayo may; junio jun june; julio jul july; agosto ago august aug; "
      "septiembre setiembre sep set september; octubre oct october; noviembre nov november; "
      "diciembre dic december dec");
  int month = 0;
  for (std::string names; std::getline(months, names, ';');) {
    std::istringstream words(names);
    const double first = DateOf("1/" + std::to_string(++month) + "/2004");
    for (std::string name; words >> name;) EXPECT_EQ(DateOf("1 " + name + " 2004"), first) << name;
  }
}

TEST(RegionalParseDate, RefusesTextsThatAreNotDates) {
  const auto refuses = ExpectRefused<Regional::ParseDate>;
  for (const char* text :
       {"",           "abc",        "38061",      "15032004",  "10:30",     "10:30:00",
        "31/02/2004", "29/02/2003", "10/13/2004", "0/1/2004",  "32/1/2004", "15/03",
        "15/03-2004", "15.03/2004", "1/1/130",    "1/1/02004", "1/1/0099",  "123/1/2004",
        "2004-3-150", "15 mar",     "15/-3/2004", "1,5/3/2004"})
    refuses(text);
  for (const char* text :
       {"15/03/2004/1", "15 marz 2004", "mar 15 2004", "15 de marzo de 2004", "15marzo2004",
        "15 - mar - 2004", "15/03/2004x", "\t15/03/2004", "-15/03/2004", "15/03/2004 24:00",
        "15/03/2004 10:60", "15/03/2004 10:5", "15/03/2004 10", "15/03/2004 10:30:60",
        "15/03/2004 10:30:5", "15/03/200410:30", "15/03/2004 10:30 x", "15/03/2004\t10:30"})
    refuses(text);
}

}  // namespace
}  // namespace kaldoren
