// WorkbookReader: the one way in to a workbook, whatever format it was saved
// in. The format is told by the file's content, never by its name, and the
// reader of that format (xls/, xlsx/, ods/) fills the same Workbook, so
// everything after opening reads the cells alike.
//
// Every failure is a Status with a number and a Spanish description for the
// user (OpeningError). The file is opened read-only and never changed.
#pragma once

#include <string>
#include <string_view>

#include "base/Status.h"
#include "workbook/Workbook.h"

namespace kaldoren {

class WorkbookReader {
 public:
  // Reads the file at path into *out, replacing what it held; on failure
  // *out is left as it was.
  static Status Read(const std::string& path, Workbook* out);
  // Reads a workbook held in memory (the whole file's bytes).
  static Status ReadBytes(std::string_view bytes, Workbook* out);
};

}  // namespace kaldoren
