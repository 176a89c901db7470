#include "app/cli/ComandoCeldas.h"

#include <ostream>

namespace kaldoren {

ComandoCeldas::ComandoCeldas(std::ostream& salida, std::ostream& errores)
    : salida_(salida), errores_(errores) {}

int ComandoCeldas::Ejecutar(const std::string& planilla) {
  errores_ << "kaldoren20: todavía no se pueden leer libros: " << planilla << "\n";
  return 2;
}

}  // namespace kaldoren
