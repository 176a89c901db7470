// WorkbookGlobals: what the first part of a workbook stream (the globals
// substream, from its BOF to its EOF record) says about the whole workbook:
// the BIFF version, the date system, the code page, the number formats, the
// shared strings (added to the workbook's StringPool) and the sheets, in
// workbook order, with where each one's records begin.
//
// Read fails with an OpeningError for an encrypted workbook (FILEPASS), an
// Excel 2-4 stream, a stream that does not begin with a BOF record, a damaged
// SST or BOUNDSHEET record, or a stream that ends inside a record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Status.h"
#include "workbook/NumberFormats.h"
#include "workbook/StringPool.h"
#include "workbook/xls/BiffRecordReader.h"
#include "workbook/xls/CodePage.h"
#include "workbook/xls/CompoundFile.h"
#include "workbook/xls/ContinuedRecord.h"
#include "workbook/xls/SharedStringTable.h"

namespace kaldoren {

struct SheetEntry {
  std::string name;
  size_t offset = 0;  // of the sheet's BOF record in the stream
  // The sheet type of the BOUNDSHEET record: 0 worksheet (or dialog),
  // 1 Excel 4 macro sheet, 2 chart, 6 Visual Basic module.
  std::uint8_t type = 0;
};

class WorkbookGlobals {
 public:
  Status Read(const WorkbookStream& stream, StringPool* pool);

  // 8 for Excel 97-2003, 5 for Excel 5/95 (BIFF5 and BIFF7).
  int biff() const { return biff_; }
  bool date1904() const { return date1904_; }
  const NumberFormats& formats() const { return formats_; }
  const SharedStringTable& shared_strings() const { return shared_strings_; }
  const std::vector<SheetEntry>& sheets() const { return sheets_; }
  // Reads a string of a record: Unicode in Excel 97-2003, bytes in the
  // workbook's code page in Excel 5/95 (see BiffString). count_bytes: 1 or 2.
  bool ReadString(ContinuedRecord* in, int count_bytes, std::string* utf8);
  // The same for a string at offset of a record's data.
  bool ReadStringAt(std::string_view data, size_t offset, int count_bytes, std::string* utf8);

 private:
  Status ReadBof(const BiffRecord& bof, StreamOrigin origin);
  Status ReadRecord(const BiffRecord& record, BiffRecordReader* reader, StringPool* pool);
  // Decodes the FORMAT and BOUNDSHEET records kept by ReadRecord, once the
  // code page is known.
  Status DecodeNamedRecords();

  int biff_ = 8;
  bool date1904_ = false;
  int code_page_number_ = 1252;
  std::unique_ptr<CodePage> code_page_;
  NumberFormats formats_;
  SharedStringTable shared_strings_;
  bool have_shared_strings_ = false;
  std::vector<std::string_view> format_records_;
  std::vector<std::string_view> sheet_records_;
  std::vector<SheetEntry> sheets_;
};

}  // namespace kaldoren
