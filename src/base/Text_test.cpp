#include "base/Text.h"

#include <gtest/gtest.h>

#include <utility>

namespace kaldoren {
namespace {

// An emoji is four bytes, an invalid byte counts one, and so does a sequence
// cut short.
TEST(Text, LengthCountsCharactersNotBytes) {
  const std::pair<const char*, size_t> cases[] = {
      {"", 0}, {"año", 3}, {"€º«»", 4}, {"\xF0\x9F\x98\x80", 1}, {"a\xFFz", 3}, {"\xC3", 1}};
  for (const auto& [text, length] : cases) EXPECT_EQ(Text::Length(text), length) << text;
}

// ÿ and the letters outside Latin-1 keep their case; invalid bytes are kept.
TEST(Text, UpperCapitalisesAsciiAndLatin1LettersOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"niño pérez", "NIÑO PÉREZ"}, {"àþ", "ÀÞ"},        {"÷", "÷"}, {"ÿ", "ÿ"}, {"ß", "ß"},
      {"œ€1-z", "œ€1-Z"},           {"a\xFFz", "A\xFFZ"}};
  for (const auto& [text, upper] : cases) EXPECT_EQ(Text::Upper(text), upper) << text;
}

// Trim leaves tabs alone; Mid counts characters and clips to the text.
TEST(Text, TrimRemovesBlanksAndMidCountsCharacters) {
  EXPECT_EQ(Text::Trim("  a b  "), "a b");
  EXPECT_EQ(Text::Trim("   "), "");
  EXPECT_EQ(Text::Trim("\ta\t"), "\ta\t");
  EXPECT_EQ(Text::Mid("Peña123", 2, 2), "ña");
  EXPECT_EQ(Text::Mid("Peña123", 4, 100), "123");
  EXPECT_EQ(Text::Mid("abc", 5, 1), "");
}

// A C1 control and invalid bytes have no byte either.
TEST(Text, Windows1252HoldsLatin1AndTheProgramsSigns) {
  const std::pair<const char*, const char*> cases[] = {{"º«»ñ", "\xBA\xAB\xBB\xF1"},
                                                       {"€‰Ÿ", "\x80\x89\x9F"},
                                                       {"a中b", "a?b"},
                                                       {"\xC2\x81", "?"},
                                                       {"a\xFF", "a?"}};
  for (const auto& [utf8, bytes] : cases) EXPECT_EQ(Text::ToWindows1252(utf8), bytes) << utf8;
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
