// XlsxReader: reads an Office Open XML workbook (.xlsx, .xlsm) into a
// Workbook, from the members of its zip archive.
#pragma once

#include "base/Status.h"
#include "workbook/Workbook.h"
#include "workbook/ZipArchive.h"

namespace kaldoren {

class XlsxReader {
 public:
  // Reads the workbook into *out, replacing what it held; on failure *out is
  // left as it was.
  static Status Read(const ZipArchive& zip, Workbook* out);
};

}  // namespace kaldoren
