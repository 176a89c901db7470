#include "app/cli/ComandoVerificar.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <mutex>
#include <optional>
#include <ostream>
#include <set>
#include <thread>

#include "app/PARTARCH.h"
#include "app/cli/AvisadorTerminal.h"
#include "app/cli/ProgresoTerminal.h"
#include "app/cli/SalidaPdf.h"
#include "base/Format.h"
#include "base/Text.h"
#include "hallazgos/DocumentoHallazgos.h"

namespace kaldoren {
namespace {

constexpr int kSinInconsistencias = 0;
constexpr int kConInconsistencias = 1;
constexpr int kNoVerificado = 2;

// What the main window shows of a workbook: its file name in capitals and its
// last-modified time in the general date form.
PlanillaElegida Elegir(const std::string& ruta) {
  PARTARCH partes;
  partes.Sendero_Archivo(ruta);
  PlanillaElegida planilla;
  planilla.ruta = ruta;
  planilla.archivo = Text::Upper(partes.Archivo());
  if (const std::optional<double> modificado = partes.UltimaMod()) {
    planilla.fecha = Format::GeneralDate(*modificado);
  }
  return planilla;
}

std::string NombreSinExtension(const std::string& archivo) {
  return std::filesystem::path(archivo).stem().string();
}

std::mutex& CerrojoDeMensajes() {
  static std::mutex cerrojo;
  return cerrojo;
}

}  // namespace

ComandoVerificar::ComandoVerificar(std::ostream& salida, std::FILE* errores)
    : salida_(salida), errores_(errores) {}

int ComandoVerificar::Ejecutar(const std::vector<std::string>& argumentos) {
  if (!LeerArgumentos(argumentos) || !PrepararTrabajos()) return kNoVerificado;
  if (pdf_) {
    const Status listo = SalidaPdf::Preparar();
    if (!listo.ok()) {
      std::fprintf(errores_, "kaldoren20: %s\n", listo.description().c_str());
      return kNoVerificado;
    }
  }
  VerificarTodos();
  return Informar();
}

bool ComandoVerificar::LeerArgumentos(const std::vector<std::string>& argumentos) {
  for (size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& a = argumentos[i];
    if (a.empty() || a[0] != '-') {
      planillas_.push_back(a);
    } else if (!LeerOpcion(argumentos, &i)) {
      return false;
    }
  }
  if (planillas_.empty()) {
    std::fprintf(errores_, "kaldoren20: verificar lleva uno o más libros "
                           "(kaldoren20 verificar PLANILLA [--salida CARPETA])\n");
    return false;
  }
  return true;
}

// The folder is the next argument unless that is another option; a folder
// whose name starts with "-" is given as --salida=-CARPETA.
bool ComandoVerificar::LeerOpcion(const std::vector<std::string>& argumentos, size_t* i) {
  const std::string& a = argumentos[*i];
  const size_t igual = a.find('=');
  const std::string nombre = a.substr(0, igual);
  if (nombre == "--salida") {
    if (igual != std::string::npos) {
      carpeta_ = a.substr(igual + 1);
    } else if (*i + 1 < argumentos.size() && argumentos[*i + 1].rfind("-", 0) != 0) {
      carpeta_ = argumentos[++*i];
    } else {
      carpeta_.clear();
    }
    return !carpeta_.empty() || Problema("--salida lleva una carpeta");
  }
  bool* bandera = nombre == "--hallazgos" ? &opciones_.documento
                  : nombre == "--pdf"     ? &pdf_
                  : nombre == "--marcada" ? &opciones_.marcada
                  : nombre == "--json"    ? &json_
                                          : nullptr;
  if (bandera == nullptr) return Problema("opción desconocida: " + a);
  if (igual != std::string::npos) return Problema(nombre + " no lleva valor");
  *bandera = true;
  return true;
}

bool ComandoVerificar::Problema(const std::string& texto) const {
  std::fprintf(errores_, "kaldoren20: %s\n", texto.c_str());
  return false;
}

bool ComandoVerificar::PrepararTrabajos() {
  std::set<std::string> carpetas;
  for (const std::string& ruta : planillas_) {
    Trabajo trabajo;
    trabajo.planilla = Elegir(ruta);
    trabajo.carpeta = carpeta_;
    if (planillas_.size() > 1) {
      trabajo.carpeta =
          (std::filesystem::path(carpeta_) / NombreSinExtension(trabajo.planilla.archivo)).string();
      if (!carpetas.insert(trabajo.carpeta).second) {
        std::fprintf(errores_, "kaldoren20: dos libros irían a la misma carpeta %s: %s\n",
                     trabajo.carpeta.c_str(), ruta.c_str());
        return false;
      }
    }
    trabajos_.push_back(std::move(trabajo));
  }
  return true;
}

void ComandoVerificar::Verificar(Trabajo* trabajo, bool con_barra) {
  ProgresoTerminal progreso(errores_, con_barra);
  AvisadorTerminal avisador(errores_, CerrojoDeMensajes(), trabajo->planilla.archivo);
  RelojDelSistema reloj;
  Verificacion verificacion(progreso, avisador, reloj);
  if (pdf_) {
    verificacion.AgregarPaso([](const std::string& carpeta) {
      return SalidaPdf::Escribir(carpeta, Verificacion::ArchivoPdf(carpeta));
    });
  }
  trabajo->resultado = verificacion.Correr(trabajo->planilla, trabajo->carpeta, opciones_);
}

void ComandoVerificar::VerificarTodos() {
  if (trabajos_.size() == 1) {
    Verificar(&trabajos_[0], isatty(fileno(errores_)) != 0);
    return;
  }
  // One workbook per worker; every run is independent of the others.
  std::atomic<size_t> siguiente{0};
  const auto trabajar = [&] {
    for (size_t i = siguiente++; i < trabajos_.size(); i = siguiente++) {
      Verificar(&trabajos_[i], false);
    }
  };
  const size_t obreros =
      std::min<size_t>(std::max(2u, std::thread::hardware_concurrency()), trabajos_.size());
  std::vector<std::thread> hilos;
  for (size_t i = 1; i < obreros; ++i) hilos.emplace_back(trabajar);
  trabajar();
  for (std::thread& h : hilos) h.join();
}

// The findings document of a run, or its error form: the message as shown,
// without the title that the status description puts in front of it.
std::string ComandoVerificar::Documento(const Trabajo& t) {
  const ResultadoVerificacion& r = t.resultado;
  if (r.estado.ok()) {
    return DocumentoHallazgos::Texto(t.planilla.archivo, r.procesado, r.con_inconsistencias,
                                     r.hallazgos);
  }
  std::string mensaje = r.estado.description();
  if (mensaje.rfind(r.titulo + ": ", 0) == 0) mensaje.erase(0, r.titulo.size() + 2);
  return DocumentoHallazgos::TextoDeError(t.planilla.archivo, r.titulo, mensaje);
}

int ComandoVerificar::Informar() const {
  int estado = kSinInconsistencias;
  for (const Trabajo& t : trabajos_) {
    if (json_) salida_ << Documento(t) << "\n";
    if (!t.resultado.estado.ok()) {
      estado = kNoVerificado;
      continue;
    }
    const std::string informe = (std::filesystem::path(t.carpeta) / "ERRORES.TXT").string();
    if (!json_) {
      salida_ << t.planilla.archivo << ": " << informe
              << (t.resultado.con_inconsistencias ? " (con inconsistencias)"
                                                  : " (sin inconsistencias)")
              << "\n";
    }
    if (t.resultado.con_inconsistencias && estado == kSinInconsistencias) {
      estado = kConInconsistencias;
    }
  }
  return estado;
}

}  // namespace kaldoren
