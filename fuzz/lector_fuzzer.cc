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
#include <cstdlib>

#include "ArchivoEnMemoria.h"
#include "HuellaDeLibro.h"
#include "workbook/WorkbookReader.h"

namespace {

using kaldoren::Sheet;
using kaldoren::Workbook;

// Reads every cell and every record's cells through the table view; a record
// cell must read back as the cell it is.
void Recorrer(const Sheet& hoja) {
  for (const kaldoren::Cell& celda : hoja.cells()) hoja.ValueOf(celda).TextForm();
  for (std::size_t r = 0; r < hoja.RecordCount(); ++r) {
    for (const kaldoren::Cell& celda : hoja.RecordCells(r)) {
      const int columna = celda.column - hoja.FirstColumn();
      if (!(hoja.RecordValue(r, columna) == hoja.ValueOf(celda))) std::abort();
    }
  }
  const std::vector<std::string>& nombres = hoja.ColumnNames();
  if (!nombres.empty() &&
      (hoja.FindColumn(nombres.front()) != 0 || hoja.FindColumn(nombres.back()) < 0)) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kaldoren::fuzz::ArchivoEnMemoria archivo;
  archivo.Escribir(data, size);
  Workbook libro;
  const kaldoren::Status estado = kaldoren::WorkbookReader::Read(archivo.ruta(), &libro);
  if (!estado.ok()) {
    if (estado.description().empty()) std::abort();
    return 0;
  }
  for (const auto& hoja : libro.sheets()) Recorrer(*hoja);
  using kaldoren::testing::HuellaDeLibro;
  if (HuellaDeLibro::Bytes(libro) > HuellaDeLibro::Tope(size)) std::abort();
  if (libro.TableNames().size() != libro.sheets().size()) std::abort();
  return 0;
}
