// Fuzz target of the workbook reader, fed through the entry the program uses:
// the bytes become a file (in memory) that WorkbookReader::Read opens by path.
// Any input must give a workbook or a described opening error, never a crash,
// a hang, a read out of bounds or memory out of proportion to the input. A
// workbook that reads is walked whole, cell by cell and record by record, as
// the queries and the cell listing would walk it.
//
// Inputs that begin with a BOF record are read as a bare workbook stream, so
// the fuzzer reaches the record decoding without building a compound file.
#include <cstddef>
#include <cstdint>

#include "ArchivoEnMemoria.h"
#include "RecorridoDeLibro.h"
#include "workbook/WorkbookReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kaldoren::fuzz::ArchivoEnMemoria archivo;
  archivo.Escribir(data, size);
  kaldoren::Workbook libro;
  kaldoren::fuzz::Revisar(kaldoren::WorkbookReader::Read(archivo.ruta(), &libro), libro, size);
  return 0;
}
