// WorkbookReader: reads an Excel 97-2003 (BIFF8) or Excel 5/95 (BIFF5/7)
// workbook into a Workbook. The compound-file container is opened with libgsf;
// the BIFF records of the Workbook (or Book) stream are decoded here. The file
// is opened read-only and never changed.
//
// Every failure is a Status with a number and a Spanish description for the
// user ("El archivo está protegido con contraseña", "El archivo no es un libro
// de Excel 97-2003", "El archivo está dañado: registro SST truncado"). No input
// makes it crash, hang, read out of bounds or allocate memory from a count it
// has not bounded.
#pragma once

#include <string>
#include <string_view>

#include "base/Status.h"
#include "workbook/Workbook.h"

namespace kaldoren {

class WorkbookReader {
 public:
  // Reads the file at path into *out (which must be freshly constructed).
  static Status Read(const std::string& path, Workbook* out);
  // Reads a workbook held in memory (the whole file's bytes).
  static Status ReadBytes(std::string_view bytes, Workbook* out);
};

}  // namespace kaldoren
