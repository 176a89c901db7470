#include "base/Value.h"

#include <gtest/gtest.h>

namespace kaldoren {
namespace {

TEST(Value, TextFormFollowsTheRegionalSettings) {
  EXPECT_EQ(Value().TextForm(), "");
  EXPECT_EQ(Value::Number(1234.5).TextForm(), "1234,5");
  EXPECT_EQ(Value::Number(1e20).TextForm(), "1E+20");
  EXPECT_EQ(Value::Text(" a ").TextForm(), " a ");
  EXPECT_EQ(Value::Date(38061.75).TextForm(), "15/03/2004");  // no time of day
}

TEST(Value, BlankMeansEmptyOrOnlySpaces) {
  EXPECT_TRUE(Value().IsBlank());
  EXPECT_TRUE(Value::Text("").IsBlank());
  EXPECT_TRUE(Value::Text("   ").IsBlank());
  EXPECT_FALSE(Value::Text("\t").IsBlank());
  EXPECT_FALSE(Value::Number(0).IsBlank());
  EXPECT_FALSE(Value::Date(0).IsBlank());
}

TEST(Value, AsNumberReadsNumbersDatesAndNumericTexts) {
  double x = -99;
  EXPECT_TRUE(Value::Number(-5).AsNumber(&x));
  EXPECT_EQ(x, -5);
  EXPECT_TRUE(Value::Date(38061.5).AsNumber(&x));
  EXPECT_EQ(x, 38061.5);
  EXPECT_TRUE(Value::Text(" 1.234,5 ").AsNumber(&x));
  EXPECT_EQ(x, 1234.5);
  x = -99;
  EXPECT_FALSE(Value().AsNumber(&x));
  EXPECT_FALSE(Value::Text("1 2").AsNumber(&x));
  EXPECT_FALSE(Value::Text("").AsNumber(&x));
  EXPECT_EQ(x, -99);
}

TEST(Value, KindsAreDistinctEvenWithTheSameNumber) {
  EXPECT_NE(Value::Number(38061), Value::Date(38061));
  EXPECT_NE(Value::Text(""), Value());
  EXPECT_EQ(Value::Text("a"), Value::Text("a"));
}

}  // namespace
}  // namespace kaldoren
