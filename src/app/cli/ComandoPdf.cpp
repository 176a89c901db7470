#include "app/cli/ComandoPdf.h"

#include <sys/stat.h>
#include <unistd.h>

#include <ostream>

#include "app/cli/SalidaPdf.h"

namespace kaldoren {
namespace {

bool EsLaSalidaEstandar(const std::string& ruta) {
  struct stat archivo = {};
  struct stat salida = {};
  return stat(ruta.c_str(), &archivo) == 0 && fstat(STDOUT_FILENO, &salida) == 0 &&
         archivo.st_dev == salida.st_dev && archivo.st_ino == salida.st_ino;
}

}  // namespace

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
  // The PDF's name is said, unless the PDF itself went to the standard
  // output (--salida /dev/stdout), where the name would follow its last line.
  if (!EsLaSalidaEstandar(destino)) salida_ << destino << "\n";
  return 0;
}

int ComandoPdf::Fallo(const std::string& texto) {
  std::fprintf(errores_, "kaldoren20: %s\n", texto.c_str());
  return 2;
}

}  // namespace kaldoren
