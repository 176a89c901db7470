#include "RecorridoDeLibro.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "HuellaDeLibro.h"
#include "workbook/WorkbookReader.h"

namespace kaldoren::fuzz {
namespace {

void Recorrer(const Sheet& hoja) {
  for (const Cell& celda : hoja.cells()) hoja.ValueOf(celda).TextForm();
  for (std::size_t r = 0; r < hoja.RecordCount(); ++r) {
    for (const Cell& celda : hoja.RecordCells(r)) {
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

void Revisar(const Status& estado, Workbook& libro, std::size_t tamano_de_entrada) {
  if (!estado.ok()) {
    if (estado.description().empty()) std::abort();
    return;
  }
  for (const auto& hoja : libro.sheets()) Recorrer(*hoja);
  if (libro.TableNames().size() != libro.sheets().size()) std::abort();
  using testing::HuellaDeLibro;
  if (tamano_de_entrada != 0 &&
      HuellaDeLibro::Bytes(libro) > HuellaDeLibro::Tope(tamano_de_entrada)) {
    std::abort();
  }
}

void LeerYRecorrer(std::string_view archivo, std::size_t tamano_de_entrada) {
  Workbook libro;
  Revisar(WorkbookReader::ReadBytes(archivo, &libro), libro, tamano_de_entrada);
}

}  // namespace kaldoren::fuzz
