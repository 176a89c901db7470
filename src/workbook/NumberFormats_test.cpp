#include "workbook/NumberFormats.h"

#include <gtest/gtest.h>

namespace kaldoren {
namespace {

TEST(NumberFormats, BuiltInDateAndTimeFormatsAreDates) {
  for (std::uint16_t id :
       {14, 15, 16, 17, 18, 19, 20, 21, 22, 27, 36, 45, 46, 47, 50, 58, 71, 81}) {
    EXPECT_TRUE(NumberFormats::IsBuiltInDate(id)) << id;
  }
  for (std::uint16_t id : {0, 1, 2, 4, 9, 13, 23, 26, 37, 44, 48, 49, 59, 70, 82, 164}) {
    EXPECT_FALSE(NumberFormats::IsBuiltInDate(id)) << id;
  }
}

TEST(NumberFormats, FormatStringWithADateOrTimeTokenIsADate) {
  for (const char* format :
       {"dd/mm/yyyy", "DD/MM/YYYY", "d-mmm", "mmmm yyyy", "yy", "hh:mm", "h:mm:ss AM/PM",
        "[h]:mm:ss", "mm:ss.0", "[$-2C0A]dddd, d \"de\" mmmm", "[Red]dd/mm/yyyy", "Standard"}) {
    EXPECT_TRUE(NumberFormats::IsDateFormatString(format)) << format;
  }
}

TEST(NumberFormats, TokensInQuotesBracketsAndEscapesDoNotMakeADate) {
  for (const char* format : {"General", "@", "0", "#,##0.00", "0.00E+00", "0%", "0 \"días\"",
                             "[Red]0.00", "#,##0.00 [$€-C0A]", "0\\d", "#,##0_s", "* #,##0",
                             "#,##0.00_);(#,##0.00)", "\"hms\"0", ""}) {
    EXPECT_FALSE(NumberFormats::IsDateFormatString(format)) << format;
  }
}

// XF by XF: General, built-in date, the workbook's date and number formats,
// a format never defined (a number), built-in ids the workbook redefines as
// a number and as a date; then an XF the workbook does not define.
TEST(NumberFormats, XfTakesTheDateKindOfItsFormatAsTheWorkbookDefinesIt) {
  NumberFormats formats;
  for (const std::uint16_t id : {0, 14, 164, 165, 200, 22, 2}) formats.AddXf(id);
  formats.AddFormat(164, "dd/mm/yyyy hh:mm");
  formats.AddFormat(165, "#,##0.00");
  formats.AddFormat(22, "0.00");
  formats.AddFormat(2, "d/m/yy");
  const bool dates[] = {false, true, true, false, false, false, true, false};
  for (size_t xf = 0; xf < std::size(dates); ++xf) EXPECT_EQ(formats.IsDateXf(xf), dates[xf]) << xf;
}

}  // namespace
}  // namespace kaldoren
