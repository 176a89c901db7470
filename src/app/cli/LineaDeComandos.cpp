#include "app/cli/LineaDeComandos.h"

#include <ostream>

#include "app/cli/ComandoCeldas.h"

namespace kaldoren {
namespace {

const char kVersion[] = "kaldoren20 1.0";

const char kAyuda[] =
    "Uso: kaldoren20 COMANDO [ARGUMENTOS]\n"
    "\n"
    "Verifica la declaración jurada (libro de Excel 97-2003, .XLS) de un colegio privado.\n"
    "\n"
    "Comandos:\n"
    "  celdas PLANILLA.XLS     lista cada celda con valor, un objeto JSON por línea\n"
    "  --help                  muestra esta ayuda\n"
    "  --version               muestra la versión\n"
    "\n"
    "Estado de salida: 0 sin inconsistencias, 1 con inconsistencias,\n"
    "2 si un libro no pudo abrirse o verificarse, o la línea de comandos es incorrecta.\n";

}  // namespace

LineaDeComandos::LineaDeComandos(std::ostream& salida, std::ostream& errores)
    : salida_(salida), errores_(errores) {}

int LineaDeComandos::Ejecutar(const std::vector<std::string>& argumentos) {
  if (argumentos.empty()) return Uso("falta el comando");
  const std::string& comando = argumentos[0];
  const std::vector<std::string> resto(argumentos.begin() + 1, argumentos.end());
  if (comando == "--help" || comando == "-h") return Ayuda();
  if (comando == "--version") {
    salida_ << kVersion << "\n";
    return 0;
  }
  if (comando == "celdas") {
    if (resto.size() == 1 && resto[0] == "--help") return Ayuda();
    if (resto.size() != 1) return Uso("celdas lleva exactamente un libro");
    return ComandoCeldas(salida_, errores_).Ejecutar(resto[0]);
  }
  return Uso("comando desconocido: " + comando);
}

int LineaDeComandos::Ayuda() {
  salida_ << kAyuda;
  return 0;
}

int LineaDeComandos::Uso(const std::string& problema) {
  errores_ << "kaldoren20: " << problema << "\n"
           << "Pruebe 'kaldoren20 --help'.\n";
  return 2;
}

}  // namespace kaldoren
