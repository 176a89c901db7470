#include "workbook/ods/OdsValue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kaldoren {
namespace {

enum class Kind { kNumber, kDate, kDuration };

struct Row {
  std::string shows;
  Kind kind;
  std::string text;
  bool read;
  double value;
};

bool ReadAs(Kind kind, const std::string& text, double* out) {
  switch (kind) {
    case Kind::kNumber:
      return OdsValue::Number(text, out);
    case Kind::kDate:
      return OdsValue::Date(text, out);
    case Kind::kDuration:
      return OdsValue::Duration(text, out);
  }
  return false;
}

TEST(OdsValue, ValuesReadToTheDayCountOrNumberTheOtherFormatsGive) {
  const std::vector<Row> rows = {
      {"a plain amount", Kind::kNumber, "378.21", true, 378.21},
      {"a sign and an exponent", Kind::kNumber, "+1.5E3", true, 1500},
      {"blanks around a negative", Kind::kNumber, " -0.25 ", true, -0.25},
      {"two signs are no number", Kind::kNumber, "+-1", false, 0},
      {"a comma is no decimal point", Kind::kNumber, "1,5", false, 0},
      {"an empty value", Kind::kNumber, "", false, 0},
      {"the day count's origin", Kind::kDate, "1899-12-30", true, 0},
      {"the day after it", Kind::kDate, "1899-12-31", true, 1},
      {"a date of the declarations", Kind::kDate, "2004-06-15", true, 38153},
      {"a date with its time", Kind::kDate, "2010-04-25T13:53:48", true, 40293 + 50028.0 / 86400},
      {"a fraction of a second and a zone", Kind::kDate, "2010-04-25T12:00:00.5Z", true,
       40293 + 43200.5 / 86400},
      {"a day the calendar lacks", Kind::kDate, "2004-02-30", false, 0},
      {"a year before year one", Kind::kDate, "-0001-01-01", false, 0},
      {"an hour past the day", Kind::kDate, "2004-01-01T24:00:00", false, 0},
      {"text after the date", Kind::kDate, "2004-01-01x", false, 0},
      {"a time of day", Kind::kDuration, "PT13H53M48S", true, 50028.0 / 86400},
      {"more than a day", Kind::kDuration, "PT36H00M00S", true, 1.5},
      {"days, a fraction of a second, negative", Kind::kDuration, "-P1DT0.5S", true,
       -(86400.5 / 86400)},
      {"months have no fixed length", Kind::kDuration, "P1M", false, 0},
      {"nothing after the T", Kind::kDuration, "PT", false, 0},
      {"a unit without its number", Kind::kDuration, "PTH", false, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.shows);
    double value = -7;
    EXPECT_EQ(ReadAs(row.kind, row.text, &value), row.read);
    EXPECT_DOUBLE_EQ(value, row.read ? row.value : -7);
  }
}

}  // namespace
}  // namespace kaldoren
