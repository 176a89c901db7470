#include "app/web/VerificacionWeb.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "app/Avisador.h"
#include "app/PARTARCH.h"
#include "app/PantallaProgreso.h"
#include "app/Reloj.h"
#include "app/Verificacion.h"
#include "app/web/CarpetaPrivada.h"
#include "base/Format.h"
#include "base/SystemError.h"
#include "base/Text.h"
#include "hallazgos/CopiaMarcada.h"
#include "workbook/WorkbookReader.h"

namespace kaldoren {
namespace {

constexpr size_t kLargoMaximoDelNombre = 120;

// Remembers the first message of the run: the title and text of its failure.
class AvisadorRegistro final : public Avisador {
 public:
  void Mensaje(const std::string& texto, const std::string& titulo, Icono) override {
    if (!titulo_.empty()) return;
    titulo_ = titulo;
    texto_ = texto;
  }
  const std::string& titulo() const { return titulo_; }
  const std::string& texto() const { return texto_; }

 private:
  std::string titulo_;
  std::string texto_;
};

class ProgresoMudo final : public PantallaProgreso {
 public:
  void TituloSeccion(const std::string&) override {}
  void AnchoBarra(int) override {}
  void Porcentaje(const std::string&) override {}
  void Esperar(double) override {}
};

bool Escribir(const std::string& ruta, const std::string& contenido) {
  const int fd = open(ruta.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  size_t escrito = 0;
  while (escrito < contenido.size()) {
    const ssize_t n = write(fd, contenido.data() + escrito, contenido.size() - escrito);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    escrito += static_cast<size_t>(n);
  }
  return close(fd) == 0 && escrito == contenido.size();
}

ResultadoWeb Fallo(std::string titulo, std::string mensaje) {
  ResultadoWeb resultado;
  resultado.titulo = std::move(titulo);
  resultado.mensaje = std::move(mensaje);
  return resultado;
}

ResultadoWeb ErrorDelServidor(const std::string& que, int numero) {
  return Fallo("Error del Servidor", que + ": " + SystemError::Reason(numero));
}

// A file made for the client (the PDF, the marked copy), read into memory.
ResultadoWeb ArchivoHecho(const Status& estado, const std::string& ruta) {
  if (!estado.ok()) return Fallo("Error del Servidor", estado.description());
  std::optional<std::string> archivo = CarpetaPrivada::Leer(ruta);
  if (!archivo) return Fallo("Error del Servidor", "No se pudo leer el archivo preparado.");
  ResultadoWeb resultado;
  resultado.estado = ResultadoWeb::Estado::Verificado;
  resultado.contenido = std::move(*archivo);
  return resultado;
}

// The report files of a finished run, read into memory.
ResultadoWeb LeerInforme(const std::string& carpeta, InformeWeb informe) {
  std::optional<std::string> errores = CarpetaPrivada::Leer(carpeta + "/ERRORES.TXT");
  std::optional<std::string> documento = CarpetaPrivada::Leer(carpeta + "/HALLAZGOS.JSON");
  if (!errores || !documento) return Fallo("Error del Servidor", "No se pudo leer el informe.");
  informe.errores = std::move(*errores);
  informe.documento = std::move(*documento);
  informe.hojas = CarpetaPrivada::LeerHojas(carpeta + "/HOJA_");
  ResultadoWeb resultado;
  resultado.estado = ResultadoWeb::Estado::Verificado;
  resultado.informe = std::make_shared<const InformeWeb>(std::move(informe));
  return resultado;
}

}  // namespace

std::string VerificacionWeb::NombreMostrado(const std::string& nombre) {
  const size_t barra = nombre.find_last_of("/\\");
  const std::string_view ultimo = barra == std::string::npos
                                      ? std::string_view(nombre)
                                      : std::string_view(nombre).substr(barra + 1);
  std::string limpio;
  size_t caracteres = 0;
  for (size_t pos = 0; pos < ultimo.size() && caracteres < kLargoMaximoDelNombre;) {
    const char32_t c = Text::NextCodePoint(ultimo, &pos);
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) continue;
    Text::AppendUtf8(&limpio, c);
    ++caracteres;
  }
  const std::string_view recortado = Text::Trim(limpio);
  return recortado.empty() ? "PLANILLA" : Text::Upper(recortado);
}

ResultadoWeb VerificacionWeb::Verificar(const Subida& subida) {
  CarpetaPrivada carpeta;
  if (carpeta.ruta().empty()) {
    return ErrorDelServidor("No se pudo crear la carpeta de trabajo", carpeta.error());
  }
  PlanillaElegida planilla;
  planilla.ruta = carpeta.ruta() + "/planilla";
  planilla.archivo = NombreMostrado(subida.nombre);
  if (!Escribir(planilla.ruta, subida.contenido)) {
    return ErrorDelServidor("No se pudo guardar el libro recibido", errno);
  }
  PARTARCH partes;
  partes.Sendero_Archivo(planilla.ruta);
  if (const std::optional<double> modificado = partes.UltimaMod()) {
    planilla.fecha = Format::GeneralDate(*modificado);
  }
  ProgresoMudo progreso;
  AvisadorRegistro avisador;
  RelojDelSistema reloj;
  const std::string destino = carpeta.ruta() + "/informe";
  OpcionesVerificacion opciones;
  opciones.documento = true;  // HALLAZGOS.JSON as the command line writes it
  const ResultadoVerificacion corrida =
      Verificacion(progreso, avisador, reloj).Correr(planilla, destino, opciones);
  if (!corrida.estado.ok()) {
    if (avisador.titulo().empty()) return Fallo("Error de Apertura", corrida.estado.description());
    return Fallo(avisador.titulo(), avisador.texto());
  }
  InformeWeb informe;
  informe.archivo = planilla.archivo;
  informe.con_inconsistencias = corrida.con_inconsistencias;
  informe.hallazgos = corrida.hallazgos;
  informe.libro = subida.contenido;
  return LeerInforme(destino, std::move(informe));
}

ResultadoWeb VerificacionWeb::Pdf(const std::vector<std::string>& hojas,
                                  const EscritorPdf& escribir) {
  CarpetaPrivada carpeta;
  if (carpeta.ruta().empty()) {
    return ErrorDelServidor("No se pudo crear la carpeta de trabajo", carpeta.error());
  }
  for (size_t n = 0; n < hojas.size(); ++n) {
    const std::string hoja = carpeta.ruta() + "/HOJA_" + std::to_string(n + 1) + ".TXT";
    if (!Escribir(hoja, hojas[n])) return ErrorDelServidor("No se pudo preparar el PDF", errno);
  }
  const std::string destino = carpeta.ruta() + "/INFORME.PDF";
  return ArchivoHecho(escribir(carpeta.ruta(), destino), destino);
}

ResultadoWeb VerificacionWeb::Marcada(const InformeWeb& informe) {
  Workbook libro;
  const Status leido = WorkbookReader::ReadBytes(informe.libro, &libro);
  if (!leido.ok()) return Fallo("Error del Servidor", leido.description());
  CarpetaPrivada carpeta;
  if (carpeta.ruta().empty()) {
    return ErrorDelServidor("No se pudo crear la carpeta de trabajo", carpeta.error());
  }
  const std::string destino = carpeta.ruta() + "/MARCADA.xlsx";
  return ArchivoHecho(CopiaMarcada::Escribir(libro, informe.hallazgos, destino), destino);
}

}  // namespace kaldoren
