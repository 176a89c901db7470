// SheetReader: decodes the records of one worksheet (its substream, from its
// BOF to its EOF record) into a Sheet: numbers (NUMBER, RK, MULRK), texts
// (LABELSST, LABEL, RSTRING), booleans and errors (BOOLERR), formatted blanks
// (BLANK, MULBLANK) and the cached results of formulas (FORMULA, with the text
// of a text result in the STRING record after it). A number whose XF formats
// it as a date becomes a date cell: the Excel serial as the day count since
// 30/12/1899, plus 1462 in a 1904-system workbook, unless it falls outside the
// years 100 to 9999 (then it stays a number). A NUMBER that is not finite is
// an error cell #NUM!. Charts and other substreams inside the worksheet are
// skipped.
//
// Rows and columns are taken as the records give them (16 bits each); nothing
// is allocated from them. Memory is reserved for exactly the cells the
// substream holds, counted beforehand; a substream claiming more cells than a
// worksheet grid has (65536 x 256) is refused as damaged.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/Status.h"
#include "workbook/Sheet.h"
#include "workbook/xls/BiffRecordReader.h"
#include "workbook/xls/WorkbookGlobals.h"

namespace kaldoren {

class SheetReader {
 public:
  // What the record at a sheet's offset begins.
  enum class Substream { kWorksheet, kOther, kMissing };

  SheetReader(std::string_view stream, WorkbookGlobals* globals)
      : stream_(stream), globals_(globals) {}

  Substream Kind(size_t offset) const;
  // Reads the worksheet whose BOF record is at offset into sheet (without
  // finishing it). The sheet's records end at its EOF record, and at the
  // latest at end, where the next sheet of the workbook begins: a sheet whose
  // EOF is missing (or hidden in a nested substream) is never read into the
  // next one, so each byte of the stream is walked once whatever the sheet
  // list says.
  Status Read(size_t offset, size_t end, Sheet* sheet);

  static constexpr size_t kMaxCells = size_t{65536} * 256;

 private:
  // Calls handle for each record of the substream at offset, nested
  // substreams left out, up to its EOF or end.
  template <typename Handler>
  Status ForEachRecord(size_t offset, size_t end, Handler handle);
  Status ReadRecord(const BiffRecord& record, BiffRecordReader* reader, Sheet* sheet);
  void AddNumber(Sheet* sheet, std::uint32_t row, std::uint16_t column, std::uint16_t xf,
                 double x) const;
  Status ReadFormula(std::string_view data, Sheet* sheet);
  Status ReadText(std::string_view data, std::uint16_t type, Sheet* sheet);
  Status ReadFormulaText(const BiffRecord& record, BiffRecordReader* reader, Sheet* sheet);
  // A text result whose STRING record never came: the cell stays, as a blank.
  void DropPendingText(Sheet* sheet);

  std::string_view stream_;
  WorkbookGlobals* globals_;
  // The formula cell waiting for the STRING record with its text result.
  bool text_pending_ = false;
  std::uint32_t pending_row_ = 0;
  std::uint16_t pending_column_ = 0;
  std::string text_;
  std::vector<std::string_view> fragments_;
};

}  // namespace kaldoren
