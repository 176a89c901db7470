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
// (the SST record's data first, then each CONTINUE record's data). Without
// status, the table must decode.
std::vector<std::string> Texts(const std::vector<std::string>& fragments,
                               Status* status = nullptr) {
  const std::vector<std::string_view> views(fragments.begin(), fragments.end());
  StringPool pool;
  pool.Add("a text added before the table");
  SharedStringTable table;
  const Status decoded = table.Decode(views, &pool);
  if (status != nullptr) *status = decoded;
  EXPECT_TRUE(status != nullptr || decoded.ok()) << decoded.description();
  std::vector<std::string> texts;
  std::uint32_t index = 0;
  for (std::uint32_t i = 0; table.PoolIndex(i, &index); ++i) texts.emplace_back(pool.Get(index));
  return texts;
}

std::string Header(std::uint32_t count) { return Le32(count) + Le32(count); }

// A text cut by a CONTINUE record goes on behind an option byte of its own
// (8- or 16-bit characters); a text, its header or its formatting runs
// starting in a CONTINUE record take none.
TEST(SharedStringTable, DecodesTextsWhereverTheContinueRecordsCutThem) {
  const std::string rich = Le16(3) + '\x08' + Le16(2) + "abc" + std::string(8, 'r');
  const std::string phonetic = Le16(2) + '\x05' + Le32(6) + Utf16(u"日本") + std::string(6, 'p');
  const std::string both =
      Le16(1) + '\x0C' + Le16(1) + Le32(3) + "z" + std::string(4, 'r') + std::string(3, 'p');
  const std::u16string emoji = u"\U0001F600";
  const struct {
    const char* what;
    std::vector<std::string> fragments;
    std::vector<std::string> texts;
  } cases[] = {
      {"8-bit and 16-bit texts",
       {Header(3) + Compressed("Ca\xF1uelas") + Wide(u"€ 20") + Compressed("")},
       {"Cañuelas", "€ 20", ""}},
      {"formatting runs and phonetic data skipped",
       {Header(4) + rich + phonetic + both + Compressed("after")},
       {"abc", "日本", "z", "after"}},
      {"8-bit then 16-bit",
       {Header(1) + Le16(5) + '\0' + "A\xF1o", "\x01" + Utf16(u" €")},
       {"Año €"}},
      {"16-bit then 8-bit",
       {Header(2) + Le16(4) + '\x01' + Utf16(u"€1"),
        std::string("\x00", 1) + "23" + Compressed("next")},
       {"€123", "next"}},
      {"a text starting in a CONTINUE",
       {Header(2) + Compressed("first"), Compressed("second")},
       {"first", "second"}},
      {"characters starting in a CONTINUE",
       {Header(1) + Le16(2) + '\0', "\x01" + Utf16(u"ñ€")},
       {"ñ€"}},
      {"formatting runs cut",
       {Header(2) + Le16(2) + '\x08' + Le16(2) + "ab" + "rrrrr", "rrr" + Compressed("c")},
       {"ab", "c"}},
      {"a surrogate pair cut",
       {Header(1) + Le16(2) + '\x01' + Le16(emoji[0]), "\x01" + Le16(emoji[1])},
       {"\U0001F600"}},
      {"a lone surrogate",
       {Header(1) + Le16(3) + '\x01' + Le16(u'a') + Le16(0xD800) + Le16(u'b')},
       {"a\xEF\xBF\xBD"
        "b"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Texts(c.fragments), c.texts) << c.what;
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
