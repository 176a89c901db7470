#include "app/cli/ComandoDatosValidos.h"

#include <filesystem>
#include <ostream>

#include "listing/ListadoDatosValidos.h"

namespace kaldoren {

ComandoDatosValidos::ComandoDatosValidos(std::ostream& salida, std::FILE* errores)
    : salida_(salida), errores_(errores) {}

int ComandoDatosValidos::Ejecutar(const std::vector<std::string>& argumentos) {
  std::string carpeta = ".";
  if (argumentos.size() == 2 && argumentos[0] == "--salida") {
    carpeta = argumentos[1];
  } else if (argumentos.size() == 1 && argumentos[0] == "--salida") {
    std::fprintf(errores_, "kaldoren20: --salida lleva una carpeta\n");
    return 2;
  } else if (!argumentos.empty()) {
    std::fprintf(errores_, "kaldoren20: uso: kaldoren20 datos-validos [--salida CARPETA]\n");
    return 2;
  }
  std::error_code ignorado;
  std::filesystem::create_directories(carpeta, ignorado);
  const Status estado = ListadoDatosValidos::Escribir(carpeta);
  if (!estado.ok()) {
    std::fprintf(errores_, "kaldoren20: %s\n", estado.description().c_str());
    return 2;
  }
  salida_ << (std::filesystem::path(carpeta) / "DVALIDOS.TXT").string() << "\n";
  return 0;
}

}  // namespace kaldoren
