#include "workbook/xls/BiffRecordReader.h"

#include <gtest/gtest.h>

#include "workbook/xls/testing/BiffBuilder.h"

namespace kaldoren {
namespace {

using testing::Record;

TEST(BiffRecordReader, AnswersEachRecordWithItsTypeDataAndOffset) {
  const std::string stream = Record(0x0809, "abcd") + Record(0x000A, "");
  BiffRecordReader reader(stream);
  BiffRecord record;
  ASSERT_TRUE(reader.Next(&record));
  EXPECT_EQ(record.type, 0x0809);
  EXPECT_EQ(record.data, "abcd");
  EXPECT_EQ(record.offset, 0u);
  ASSERT_TRUE(reader.Next(&record));
  EXPECT_EQ(record.type, 0x000A);
  EXPECT_EQ(record.data, "");
  EXPECT_EQ(record.offset, 8u);
  EXPECT_FALSE(reader.Next(&record));
  EXPECT_FALSE(reader.truncated());
}

TEST(BiffRecordReader, RecordLongerThanTheRestOfTheStreamIsTruncated) {
  std::string stream = Record(0x0203, std::string(14, 'x'));
  stream.resize(stream.size() - 1);
  BiffRecordReader reader(stream);
  BiffRecord record;
  EXPECT_FALSE(reader.Next(&record));
  EXPECT_TRUE(reader.truncated());
}

TEST(BiffRecordReader, BytesTooFewForARecordHeaderAreTruncated) {
  const std::string stream = Record(0x000A, "") + "\x0A";
  BiffRecordReader reader(stream);
  BiffRecord record;
  EXPECT_TRUE(reader.Next(&record));
  EXPECT_FALSE(reader.Next(&record));
  EXPECT_TRUE(reader.truncated());
}

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
}

}  // namespace
}  // namespace kaldoren
