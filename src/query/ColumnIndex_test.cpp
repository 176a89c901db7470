#include "query/ColumnIndex.h"

#include <gtest/gtest.h>

#include <string>

namespace kaldoren {
namespace {

TEST(ColumnIndex, FindsNamesWithoutRegardToCaseTheFirstOfEqualNamesWinning) {
  const ColumnIndex index({"PERLIQ", "Orden", "perliq", "LICS/S", "Año"});
  EXPECT_EQ(index.Find("perliq"), 0);
  EXPECT_EQ(index.Find("PERLIQ"), 0);
  EXPECT_EQ(index.Find("ORDEN"), 1);
  EXPECT_EQ(index.Find("lics/s"), 3);
  EXPECT_EQ(index.Find("AÑO"), 4);
  EXPECT_EQ(index.Find("ORDEN "), -1);
  EXPECT_EQ(index.Find(""), -1);
  EXPECT_EQ(index.Find("perliq"), 0) << "asked again, the same answer";
  EXPECT_EQ(ColumnIndex({}).Find(""), -1);
}

TEST(ColumnIndex, AnswersStayRightWhenFarMoreNamesAreAskedThanItRemembers) {
  const ColumnIndex index({"PERLIQ", "PAGLIQ", "APENOM"});
  for (int i = 0; i < 1000; ++i) {
    // Names of one length with the same first and last letters share a slot.
    EXPECT_EQ(index.Find("P" + std::to_string(100000 + i).substr(2) + "Q"), -1) << i;
    EXPECT_EQ(index.Find("X" + std::to_string(i)), -1) << i;
    EXPECT_EQ(index.Find("pagliq"), 1) << i;
    EXPECT_EQ(index.Find("PERLIQ"), 0) << i;
    EXPECT_EQ(index.Find("apenom"), 2) << i;
  }
}

}  // namespace
}  // namespace kaldoren
