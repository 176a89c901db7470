#include "workbook/xls/CodePage.h"

#include <gtest/gtest.h>

namespace kaldoren {
namespace {

std::string Decode(int number, std::string_view bytes) {
  CodePage code_page(number);
  std::string utf8 = "left over";
  code_page.Decode(bytes, &utf8);
  return utf8;
}

TEST(CodePage, Windows1252AndUnknownCodePagesAreDecodedWithoutIconv) {
  EXPECT_FALSE(CodePage(1252).uses_iconv());
  EXPECT_EQ(Decode(1252, "Ca\xF1uelas \x80"), "Cañuelas €");
  EXPECT_EQ(Decode(32769, "\xC1rbol"), "Árbol") << "Excel 5's own number for 1252";
  EXPECT_EQ(Decode(367, "Ni\xF1o"), "Niño") << "ASCII files with Latin-1 bytes lose nothing";
  EXPECT_FALSE(CodePage(4242).uses_iconv());
  EXPECT_EQ(Decode(4242, "\xE9"), "é") << "an unknown code page";
}

TEST(CodePage, OtherCodePagesGoThroughIconv) {
  EXPECT_TRUE(CodePage(932).uses_iconv());
  EXPECT_EQ(Decode(932, "\x93\xfa\x96\x7b\x8c\xea"), "日本語");
  EXPECT_EQ(Decode(1251, "\xcf\xf0\xe8\xe2\xe5\xf2"), "Привет");
  EXPECT_EQ(Decode(1200, std::string_view("A\0\xAC\x20", 4)), "A€");
  EXPECT_EQ(Decode(10000, "\x87"), "á");
}

TEST(CodePage, InvalidBytesBecomeReplacementCharactersAndTheRestIsKept) {
  EXPECT_EQ(Decode(932,
                   "a\x81\x20"
                   "b"),
            "a\xEF\xBF\xBD b");
  EXPECT_EQ(Decode(932, "end\x93"), "end\xEF\xBF\xBD") << "a sequence cut at the end";
}

}  // namespace
}  // namespace kaldoren
