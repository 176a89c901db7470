// OdsReader: reads an OpenDocument spreadsheet (.ods) into a Workbook, from
// the members of its zip archive (content.xml above all).
#pragma once

#include "base/Status.h"
#include "workbook/Workbook.h"
#include "workbook/ZipArchive.h"

namespace kaldoren {

class OdsReader {
 public:
  // Reads the spreadsheet into *out, replacing what it held; on failure
  // *out is left as it was.
  static Status Read(const ZipArchive& zip, Workbook* out);
};

}  // namespace kaldoren
