#include "workbook/xls/BiffRecordReader.h"

#include <gtest/gtest.h>

#include "workbook/xls/testing/BiffBuilder.h"

namespace kaldoren {
namespace {

using testing::Record;

// A record longer than the rest of the stream, or bytes too few for a
// record header, end the stream as truncated.
TEST(BiffRecordReader, StreamEndingInsideARecordIsTruncated) {
  const std::string longer = Record(0x0203, std::string(14, 'x'));
  for (const std::string& stream :
       {longer.substr(0, longer.size() - 1), Record(0x000A, "") + "\x0A"}) {
    BiffRecordReader reader(stream);
    BiffRecord record;
    while (reader.Next(&record)) EXPECT_EQ(record.type, 0x000A);
    EXPECT_TRUE(reader.truncated()) << stream.size();
  }
}

// Each record comes with its type, data and offset.
TEST(BiffRecordReader, TakesOnlyTheContinueRecordsThatFollowDirectly) {
  const std::string stream = Record(0x00FC, "sst") + Record(0x003C, "one") + Record(0x003C, "two") +
                             Record(0x00FF, "extsst") + Record(0x003C, "other");
  BiffRecordReader reader(stream);
  BiffRecord record;
  ASSERT_TRUE(reader.Next(&record));
  std::vector<std::string_view> fragments{record.data};
  reader.TakeContinues(&fragments);
  EXPECT_EQ(fragments, (std::vector<std::string_view>{"sst", "one", "two"}));
  ASSERT_TRUE(reader.Next(&record));
  EXPECT_EQ(record.type, 0x00FF);
  EXPECT_EQ(record.data, "extsst");
  EXPECT_EQ(record.offset, 21u);
  ASSERT_TRUE(reader.Next(&record));
  EXPECT_FALSE(reader.Next(&record));
  EXPECT_FALSE(reader.truncated());
}

}  // namespace
}  // namespace kaldoren
