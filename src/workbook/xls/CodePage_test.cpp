#include "workbook/xls/CodePage.h"

#include <gtest/gtest.h>

namespace kaldoren {
namespace {

// Windows-1252 (also under Excel 5's own number, and for ASCII files with
// Latin-1 bytes and unknown code pages) without loss; other code pages
// through iconv; invalid bytes, and a sequence cut at the end, become
// replacement characters and the rest is kept.
TEST(CodePage, DecodesEachCodePageWithoutLosingText) {
  const struct {
    int number;
    std::string_view bytes;
    const char* utf8;
  } cases[] = {
      {1252, "Ca\xF1uelas \x80", "Cañuelas €"},
      {32769, "\xC1rbol", "Árbol"},
      {367, "Ni\xF1o", "Niño"},
      {4242, "\xE9", "é"},
      {932, "\x93\xfa\x96\x7b\x8c\xea", "日本語"},
      {1251, "\xcf\xf0\xe8\xe2\xe5\xf2", "Привет"},
      {1200, std::string_view("A\0\xAC\x20", 4), "A€"},
      {10000, "\x87", "á"},
      {932, "a\x81\x20\x62", "a\xEF\xBF\xBD b"},
      {932, "end\x93", "end\xEF\xBF\xBD"},
  };
  for (const auto& c : cases) {
    CodePage code_page(c.number);
    std::string utf8 = "left over";
    code_page.Decode(c.bytes, &utf8);
    EXPECT_EQ(utf8, c.utf8) << c.number;
  }
}

}  // namespace
}  // namespace kaldoren
