#include "workbook/xls/SharedStringTable.h"

#include <gtest/gtest.h>

#include <vector>

#include "workbook/xls/testing/BiffBuilder.h"

namespace kaldoren {
namespace {

using testing::Compressed;
using testing::Le16;
using testing::Le32;
using testing::Utf16;
using testing::Wide;

// The table's texts, decoded from the SST data split into the fragments given
// (the SST record's data first, then each CONTINUE record's data).
std::vector<std::string> Texts(const std::vector<std::string>& fragments, Status* status) {
  const std::vector<std::string_view> views(fragments.begin(), fragments.end());
  StringPool pool;
  pool.Add("a text added before the table");
  SharedStringTable table;
  *status = table.Decode(views, &pool);
  std::vector<std::string> texts;
  std::uint32_t index = 0;
  for (std::uint32_t i = 0; table.PoolIndex(i, &index); ++i) {
    texts.emplace_back(pool.Get(index));
  }
  return texts;
}

std::vector<std::string> Texts(const std::vector<std::string>& fragments) {
  Status status;
  std::vector<std::string> texts = Texts(fragments, &status);
  EXPECT_TRUE(status.ok()) << status.description();
  return texts;
}

std::string Header(std::uint32_t count) { return Le32(count) + Le32(count); }

TEST(SharedStringTable, DecodesEightBitAndSixteenBitTextsToUtf8) {
  EXPECT_EQ(Texts({Header(3) + Compressed("Ca\xF1uelas") + Wide(u"€ 20") + Compressed("")}),
            (std::vector<std::string>{"Cañuelas", "€ 20", ""}));
}

TEST(SharedStringTable, SkipsFormattingRunsAndPhoneticData) {
  const std::string rich = Le16(3) + '\x08' + Le16(2) + "abc" + std::string(8, 'r');
  const std::string phonetic = Le16(2) + '\x05' + Le32(6) + Utf16(u"日本") + std::string(6, 'p');
  const std::string both =
      Le16(1) + '\x0C' + Le16(1) + Le32(3) + "z" + std::string(4, 'r') + std::string(3, 'p');
  EXPECT_EQ(Texts({Header(4) + rich + phonetic + both + Compressed("after")}),
            (std::vector<std::string>{"abc", "日本", "z", "after"}));
}

TEST(SharedStringTable, TextCutByContinueSwitchesFromEightToSixteenBit) {
  // "Año €": three 8-bit characters, then the CONTINUE record carries the
  // rest as 16-bit characters behind its option byte 1.
  const std::string first = Header(1) + Le16(5) + '\0' + "A\xF1o";
  const std::string second = std::string("\x01") + Utf16(u" €");
  EXPECT_EQ(Texts({first, second}), (std::vector<std::string>{"Año €"}));
}

TEST(SharedStringTable, TextCutByContinueSwitchesFromSixteenToEightBit) {
  const std::string first = Header(2) + Le16(4) + '\x01' + Utf16(u"€1");
  const std::string second = std::string("\x00", 1) + "23" + Compressed("next");
  EXPECT_EQ(Texts({first, second}), (std::vector<std::string>{"€123", "next"}));
}

TEST(SharedStringTable, TextStartingInAContinueHasNoExtraOptionByte) {
  const std::string first = Header(2) + Compressed("first");
  const std::string second = Compressed("second");
  EXPECT_EQ(Texts({first, second}), (std::vector<std::string>{"first", "second"}));
}

TEST(SharedStringTable, CharactersStartingInAContinueTakeItsOptionByte) {
  // The string header ends the SST record; its characters start the CONTINUE.
  const std::string first = Header(1) + Le16(2) + '\0';
  const std::string second = std::string("\x01") + Utf16(u"ñ€");
  EXPECT_EQ(Texts({first, second}), (std::vector<std::string>{"ñ€"}));
}

TEST(SharedStringTable, FormattingRunsCutByContinueGoOnWithoutOptionByte) {
  const std::string first = Header(2) + Le16(2) + '\x08' + Le16(2) + "ab" + "rrrrr";
  const std::string second = "rrr" + Compressed("c");
  EXPECT_EQ(Texts({first, second}), (std::vector<std::string>{"ab", "c"}));
}

TEST(SharedStringTable, SurrogatePairCutByContinueIsOneCharacter) {
  const std::u16string emoji = u"\U0001F600";
  const std::string first = Header(1) + Le16(2) + '\x01' + Le16(emoji[0]);
  const std::string second = std::string("\x01") + Le16(emoji[1]);
  EXPECT_EQ(Texts({first, second}), (std::vector<std::string>{"\U0001F600"}));
}

TEST(SharedStringTable, LoneSurrogateBecomesReplacementCharacter) {
  const std::string text = Le16(3) + '\x01' + Le16(u'a') + Le16(0xD800) + Le16(u'b');
  EXPECT_EQ(Texts({Header(1) + text}), (std::vector<std::string>{"a\xEF\xBF\xBD"
                                                                 "b"}));
}

TEST(SharedStringTable, DamagedTablesFailWithTheSameDescription) {
  const struct {
    const char* what;
    std::vector<std::string> fragments;
  } cases[] = {
      {"header cut", {Le32(1)}},
      {"fewer texts than announced", {Header(3) + Compressed("only one")}},
      {"text cut", {Header(1) + Le16(10) + '\0' + "short"}},
      {"phonetic size beyond the data", {Header(1) + Le16(1) + '\x04' + Le32(1000000) + "x"}},
      {"runs beyond the data", {Header(1) + Le16(1) + '\x08' + Le16(60000) + "x"}},
      {"a million texts in a few bytes", {Header(1000000) + Compressed("a") + Compressed("b")}},
  };
  for (const auto& c : cases) {
    Status status;
    Texts(c.fragments, &status);
    EXPECT_EQ(status.description(), "El archivo está dañado: registro SST truncado") << c.what;
    EXPECT_EQ(status.number(), 111) << c.what;
  }
}

}  // namespace
}  // namespace kaldoren
