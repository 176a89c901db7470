// OdsReader: reads an OpenDocument spreadsheet (.ods), already opened as a
// zip archive by WorkbookReader, into a Workbook. Its content.xml is parsed
// as it inflates (XmlStream, OdsContent), never held whole: a 65,000-row
// declaration is some 200 MB of XML. Cells mean what the same cells mean in
// an Excel 97 workbook (design.md 2): OdsContent says how each is read.
//
// Repetitions let a few bytes stand for millions of cells, so what they may
// add is bounded by the file's size: a cell a byte (a cell costs 16 bytes,
// half of what the file may hold per byte) and a fixed allowance; the table views of all sheets likewise
// (TableViewBudget).
// Failures are OpeningError statuses; on failure *out is left as it was.
#pragma once

#include "base/Status.h"
#include "workbook/Workbook.h"
#include "workbook/ZipArchive.h"

namespace kaldoren {

class OdsReader {
 public:
  static Status Read(const ZipArchive& zip, Workbook* out);
};

}  // namespace kaldoren
