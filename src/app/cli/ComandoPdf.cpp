#include "app/cli/ComandoPdf.h"

#include <ostream>

#include "app/cli/SalidaPdf.h"

namespace kaldoren {

ComandoPdf::ComandoPdf(std::ostream& salida, std::FILE* errores)
    : salida_(salida), errores_(errores) {}

int ComandoPdf::Ejecutar(const std::vector<std::string>& argumentos) {
  std::string destino;
  if (argumentos.size() == 3 && argumentos[1] == "--salida" && !argumentos[2].empty()) {
    destino = argumentos[2];
  } else if (argumentos.size() != 1) {
    return Fallo("uso: kaldoren20 pdf CARPETA [--salida ARCHIVO.PDF]");
  }
  const std::string& carpeta = argumentos[0];
  Status estado = SalidaPdf::Preparar();
  if (estado.ok() && destino.empty()) destino = SalidaPdf::Destino(carpeta);
  if (estado.ok()) estado = SalidaPdf::Escribir(carpeta, destino);
  if (!estado.ok()) return Fallo(estado.description());
  salida_ << destino << "\n";
  return 0;
}

int ComandoPdf::Fallo(const std::string& texto) {
  std::fprintf(errores_, "kaldoren20: %s\n", texto.c_str());
  return 2;
}

}  // namespace kaldoren
