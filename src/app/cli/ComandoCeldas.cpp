#include "app/cli/ComandoCeldas.h"

#include <ostream>

#include "app/cli/CeldaJson.h"
#include "workbook/WorkbookReader.h"

namespace kaldoren {

ComandoCeldas::ComandoCeldas(std::ostream& salida, std::ostream& errores)
    : salida_(salida), errores_(errores) {}

int ComandoCeldas::Ejecutar(const std::string& planilla) {
  Workbook libro;
  const Status estado = WorkbookReader::Read(planilla, &libro);
  if (!estado.ok()) {
    errores_ << estado.description() << "\n";
    return 2;
  }
  constexpr size_t kTramo = 1 << 16;
  std::string lineas;
  for (const auto& hoja : libro.sheets()) {
    CeldaJson escritor(*hoja);
    for (const Cell& celda : hoja->cells()) {
      escritor.Agregar(celda, &lineas);
      if (lineas.size() >= kTramo) {
        salida_ << lineas;
        lineas.clear();
      }
    }
  }
  salida_ << lineas;
  salida_.flush();
  return 0;
}

}  // namespace kaldoren
