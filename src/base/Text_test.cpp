#include "base/Text.h"

#include <gtest/gtest.h>

namespace kaldoren {
namespace {

TEST(Text, LengthCountsCharactersNotBytes) {
  EXPECT_EQ(Text::Length(""), 0u);
  EXPECT_EQ(Text::Length("año"), 3u);
  EXPECT_EQ(Text::Length("€º«»"), 4u);
  EXPECT_EQ(Text::Length("\xF0\x9F\x98\x80"), 1u);   // one emoji, four bytes
  EXPECT_EQ(Text::Length("a\xFF" "b"), 3u);         // an invalid byte counts one
  EXPECT_EQ(Text::Length("\xC3"), 1u);               // a sequence cut short
}

TEST(Text, UpperCapitalisesAsciiAndLatin1LettersOnly) {
  EXPECT_EQ(Text::Upper("niño pérez"), "NIÑO PÉREZ");
  EXPECT_EQ(Text::Upper("àþ"), "ÀÞ");
  EXPECT_EQ(Text::Upper("÷"), "÷");
  EXPECT_EQ(Text::Upper("ÿ"), "ÿ");  // its capital is outside Latin-1
  EXPECT_EQ(Text::Upper("ß"), "ß");
  EXPECT_EQ(Text::Upper("œ€1-z"), "œ€1-Z");
  EXPECT_EQ(Text::Upper("a\xFF" "b"), "A\xFF" "B");  // invalid bytes are kept
}

TEST(Text, TrimRemovesBlanksButNotTabs) {
  EXPECT_EQ(Text::Trim("  a b  "), "a b");
  EXPECT_EQ(Text::Trim("   "), "");
  EXPECT_EQ(Text::Trim("\ta\t"), "\ta\t");
}

TEST(Text, MidCountsCharactersAndClipsToTheText) {
  EXPECT_EQ(Text::Mid("Peña123", 2, 2), "ña");
  EXPECT_EQ(Text::Mid("Peña123", 4, 100), "123");
  EXPECT_EQ(Text::Mid("abc", 5, 1), "");
}

TEST(Text, Windows1252HoldsLatin1AndTheProgramsSigns) {
  EXPECT_EQ(Text::ToWindows1252("º«»ñ"), "\xBA\xAB\xBB\xF1");
  EXPECT_EQ(Text::ToWindows1252("€‰Ÿ"), "\x80\x89\x9F");
  EXPECT_EQ(Text::ToWindows1252("a中b"), "a?b");
  EXPECT_EQ(Text::ToWindows1252("\xC2\x81"), "?");  // a C1 control has no byte
  EXPECT_EQ(Text::ToWindows1252("a\xFF"), "a?");
}

TEST(Text, Windows1252RoundTripsEveryDefinedByte) {
  std::string bytes;
  for (int b = 1; b < 256; ++b) {
    if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) {
      bytes.push_back(static_cast<char>(b));
    }
  }
  EXPECT_EQ(Text::ToWindows1252(Text::FromWindows1252(bytes)), bytes);
  EXPECT_EQ(Text::FromWindows1252("\x81"), "\xEF\xBF\xBD");
}

TEST(Text, InvalidSequencesDecodeAsReplacementOneByteAtATime) {
  for (const std::string bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
    size_t pos = 0;
    EXPECT_EQ(Text::NextCodePoint(bad, &pos), U'\uFFFD') << bad.size();
    EXPECT_EQ(pos, 1u);
  }
}

}  // namespace
}  // namespace kaldoren
