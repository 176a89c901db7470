#include "app/cli/LineaDeComandos.h"

#include <ostream>

#include "app/cli/ComandoCeldas.h"
#include "app/cli/ComandoDatosValidos.h"
#include "app/cli/ComandoPdf.h"
#include "app/cli/ComandoServir.h"
#include "app/cli/ComandoVerificar.h"
#include "app/cli/SalidaPdf.h"
#include "base/Version.h"

namespace kaldoren {
namespace {

const char kAyuda[] =
    "Uso: kaldoren20 COMANDO [ARGUMENTOS]\n"
    "\n"
    "Verifica la declaración jurada (planilla .xls, .xlsx u .ods) de un colegio privado.\n"
    "\n"
    "Comandos:\n"
    "  verificar PLANILLA [PLANILLA2 ...] [--salida CARPETA] [--pdf]\n"
    "            [--hallazgos] [--marcada] [--json]\n"
    "                          verifica cada libro y escribe ERRORES.TXT y sus hojas\n"
    "                          HOJA_1.TXT, HOJA_2.TXT, ... en CARPETA (con varios libros,\n"
    "                          en CARPETA/<NOMBRE DEL LIBRO>/); con --pdf, también\n"
    "                          INFORME.PDF con todas las hojas; con --hallazgos,\n"
    "                          HALLAZGOS.JSON; con --marcada, la copia <NOMBRE>_MARCADA.xlsx\n"
    "                          con las celdas observadas en rojo; --json muestra los\n"
    "                          hallazgos de cada libro en la salida, uno por línea\n"
    "  datos-validos [--salida CARPETA]\n"
    "                          escribe el listado de datos válidos DVALIDOS.TXT y sus\n"
    "                          hojas DATOS1.TXT, DATOS2.TXT, ...\n"
    "  pdf CARPETA [--salida ARCHIVO.PDF]\n"
    "                          escribe el PDF de las hojas que hay en CARPETA: las del\n"
    "                          informe en INFORME.PDF o, si no hay informe, las del\n"
    "                          listado en DVALIDOS.PDF\n"
    "  celdas PLANILLA         lista cada celda con valor, un objeto JSON por línea\n"
    "  servir [--direccion 127.0.0.1] [--puerto 8020] [--max-mb 40] [--trabajos N]\n"
    "         [--conservar-min 30] [--certificado ARCHIVO --clave ARCHIVO]\n"
    "                          atiende la verificación desde el navegador y por la API\n"
    "                          JSON (HTTPS con certificado y clave) hasta recibir SIGTERM\n"
    "  --help                  muestra esta ayuda\n"
    "  --version               muestra la versión\n"
    "\n"
    "Estado de salida: 0 sin inconsistencias, 1 con inconsistencias, 2 si un libro no pudo\n"
    "abrirse o verificarse, el PDF no pudo escribirse o la línea de comandos es incorrecta.\n";

}  // namespace

LineaDeComandos::LineaDeComandos(std::ostream& salida, std::ostream& errores, std::FILE* terminal)
    : salida_(salida), errores_(errores), terminal_(terminal) {}

int LineaDeComandos::Ejecutar(const std::vector<std::string>& argumentos) {
  if (argumentos.empty()) return Uso("falta el comando");
  const std::string& comando = argumentos[0];
  const std::vector<std::string> resto(argumentos.begin() + 1, argumentos.end());
  if (comando == "--help" || comando == "-h") return Ayuda();
  if (comando == "--version") {
    salida_ << "kaldoren20 " << kVersion << "\n";
    return 0;
  }
  if (comando == "verificar") {
    if (resto.size() == 1 && resto[0] == "--help") return Ayuda();
    errores_.flush();
    return ComandoVerificar(salida_, terminal_).Ejecutar(resto);
  }
  if (comando == "datos-validos") {
    if (resto.size() == 1 && resto[0] == "--help") return Ayuda();
    errores_.flush();
    return ComandoDatosValidos(salida_, terminal_).Ejecutar(resto);
  }
  if (comando == "pdf") {
    if (resto.size() == 1 && resto[0] == "--help") return Ayuda();
    errores_.flush();
    return ComandoPdf(salida_, terminal_).Ejecutar(resto);
  }
  if (comando == "celdas") {
    if (resto.size() == 1 && resto[0] == "--help") return Ayuda();
    if (resto.size() != 1) return Uso("celdas lleva exactamente un libro");
    return ComandoCeldas(salida_, errores_).Ejecutar(resto[0]);
  }
  if (comando == "servir") {
    if (resto.size() == 1 && resto[0] == "--help") return Ayuda();
    errores_.flush();
    return ComandoServir(terminal_).Ejecutar(resto);
  }
  return Uso("comando desconocido: " + comando);
}

int LineaDeComandos::Ayuda() {
  salida_ << kAyuda;
  if (!SalidaPdf::Disponible()) {
    salida_ << "\nEste kaldoren20 se construyó sin Qt: no escribe PDF (--pdf, pdf).\n";
  }
  return 0;
}

int LineaDeComandos::Uso(const std::string& problema) {
  errores_ << "kaldoren20: " << problema << "\n"
           << "Pruebe 'kaldoren20 --help'.\n";
  return 2;
}

}  // namespace kaldoren
