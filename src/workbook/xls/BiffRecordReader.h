// BiffRecordReader: walks the records of a BIFF stream (the Workbook or Book
// stream of an .xls file). Each record is a 2-byte type, a 2-byte length and
// that many bytes of data; the reader hands out views into the stream, so it
// allocates nothing and the stream must outlive every record it answered.
//
// A record whose length runs past the end of the stream is not answered: Next
// answers false and truncated() tells the caller the stream ended inside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "workbook/xls/LittleEndian.h"

namespace kaldoren {

struct BiffRecord {
  std::uint16_t type = 0;
  std::string_view data;
  size_t offset = 0;  // of the record header in the stream
};

namespace biff {
// Record types the reader looks at.
enum RecordType : std::uint16_t {
  kFormula = 0x0006,
  // FORMULA under the numbers of Excel 3 and Excel 4, which some generators
  // still write in Excel 97 sheets; the fields the reader uses are the same.
  kFormula3 = 0x0206,
  kFormula4 = 0x0406,
  kEof = 0x000A,
  kDateMode = 0x0022,
  kFilePass = 0x002F,
  kContinue = 0x003C,
  kCodePage = 0x0042,
  kBoundSheet = 0x0085,
  kMulRk = 0x00BD,
  kMulBlank = 0x00BE,
  kRString = 0x00D6,
  kXf = 0x00E0,
  kSst = 0x00FC,
  kLabelSst = 0x00FD,
  kBlank = 0x0201,
  kNumber = 0x0203,
  kLabel = 0x0204,
  kBoolErr = 0x0205,
  kString = 0x0207,
  kArray = 0x0221,
  kTable = 0x0236,
  kRk = 0x027E,
  kFormat = 0x041E,
  kSharedFormula = 0x04BC,
  kBof = 0x0809,
  // Beginning of an Excel 2, 3 or 4 stream.
  kBof2 = 0x0009,
  kBof3 = 0x0209,
  kBof4 = 0x0409,
};
}  // namespace biff

class BiffRecordReader {
 public:
  explicit BiffRecordReader(std::string_view stream, size_t offset = 0)
      : stream_(stream), offset_(offset) {}

  // The next record; false at the end of the stream or when it is truncated.
  // Inline: it runs once for each of the million records of a large sheet.
  bool Next(BiffRecord* record) {
    if (offset_ >= stream_.size()) return false;
    const size_t left = stream_.size() - offset_;
    if (left < 4) return Truncated();
    const char* header = stream_.data() + offset_;
    const size_t length = little_endian::U16(header + 2);
    if (left - 4 < length) return Truncated();
    record->type = little_endian::U16(header);
    record->data = std::string_view(header + 4, length);
    record->offset = offset_;
    offset_ += 4 + length;
    return true;
  }
  // The type of the record Next would answer; false when there is none.
  bool PeekType(std::uint16_t* type) const;
  // Takes the CONTINUE records that follow and appends their data to
  // *fragments (after the data of the record they continue, which the caller
  // put there first).
  void TakeContinues(std::vector<std::string_view>* fragments);

  bool truncated() const { return truncated_; }
  size_t offset() const { return offset_; }
  size_t stream_size() const { return stream_.size(); }

 private:
  bool Truncated() {
    truncated_ = true;
    return false;
  }

  std::string_view stream_;
  size_t offset_ = 0;
  bool truncated_ = false;
};

}  // namespace kaldoren
