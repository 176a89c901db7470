// XlsReader: reads an Excel 97-2003 (BIFF8) or Excel 5/95 (BIFF5/7) workbook
// into a Workbook. The compound-file container is opened with libgsf
// (CompoundFile); the BIFF records of the Workbook (or Book) stream are decoded
// here (WorkbookGlobals for the workbook-wide records, SheetReader for each
// worksheet). The file is opened read-only and never changed.
//
// Every failure is a Status with a number and a Spanish description for the
// user (OpeningError: "El archivo está protegido con contraseña", "El archivo
// está dañado: registro SST truncado"). No input makes it crash, hang, read out of bounds or
// allocate memory from a count it has not bounded: the workbook stream is read whole only up to 512
// MB, and every count in the file is checked against the bytes that are really there before
// anything is reserved for it.
//
// What the reader settles:
// - Worksheets are listed in workbook order, hidden ones included; chart
//   sheets, Excel 4 macro sheets and Visual Basic modules are not.
// - Rows and columns are taken as the cell records give them (16 bits each,
//   so beyond Excel's 256 columns too); nothing is allocated per row or column.
// - The used range comes from the cell records; DIMENSIONS is not looked at.
// - Damage that loses no value is tolerated (a missing EOF record, a FORMAT
//   record too short for its string); damage that would lose or invent values
//   (a truncated record, a text index outside the shared strings) is an error.
#pragma once

#include <gsf/gsf-input.h>

#include "base/Status.h"
#include "workbook/Workbook.h"

namespace kaldoren {

class XlsReader {
 public:
  // Reads the workbook of an opened file into *out, replacing what it held;
  // on failure *out is left as it was.
  static Status Read(GsfInput* input, Workbook* out);
};

}  // namespace kaldoren
