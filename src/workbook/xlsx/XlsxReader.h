// XlsxReader: reads an Office Open XML workbook (.xlsx, .xlsm) into a
// Workbook, from the members of its zip archive, streaming each part's XML
// (nothing holds a whole inflated member).
//
// The workbook part is the one the package's relationships (_rels/.rels) name
// as its main document, xl/workbook.xml when they do not. The worksheets are
// those it lists, in its order, hidden ones included, each found through the
// workbook's relationships; chart, dialog
// and macro sheets are left out, as in .xls workbooks. Shared strings go
// into the workbook's StringPool once; styles (xl/styles.xml) tell which
// numbers are dates. What each cell means is WorksheetPart's.
//
// Bounds beyond the archive's own (ZipArchive, XmlStream): the workbook may
// hold at most kCellFloor cells plus kCellsPerFileByte per byte of the file
// (real workbooks hold a few per byte; a compression bomb thousands), and
// its sheets' table views are held within TableViewBudget. Every failure is
// an OpeningError; on failure *out is left as it was.
#pragma once

#include <cstddef>
#include <string>

#include "base/Status.h"
#include "workbook/Workbook.h"
#include "workbook/ZipArchive.h"

namespace kaldoren {

class XlsxReader {
 public:
  static constexpr size_t kCellFloor = size_t{4} << 20;
  static constexpr size_t kCellsPerFileByte = 16;

  // Reads the workbook into *out, replacing what it held.
  static Status Read(const ZipArchive& zip, Workbook* out);
  // The member of the package's main document, which the archive holds;
  // empty when there is none.
  static std::string MainPart(const ZipArchive& zip);
};

}  // namespace kaldoren
