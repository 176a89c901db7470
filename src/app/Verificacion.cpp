#include "app/Verificacion.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/APERTURA.h"
#include "app/COL_R_ERRORES_EP.h"
#include "app/COL_R_FINAL.h"
#include "app/CarpetaProvisional.h"
#include "app/ConductorInforme.h"
#include "app/Datos_Iniciales.h"
#include "base/SystemError.h"
#include "base/TextFileWriter.h"
#include "checks/ControlDATOSDOC.h"
#include "hallazgos/CopiaMarcada.h"
#include "hallazgos/DocumentoHallazgos.h"
#include "report/Partir_TXT.h"

namespace kaldoren {
namespace {

const char kInforme[] = "/ERRORES.TXT";
const char kDocumento[] = "HALLAZGOS.JSON";
constexpr int kErrorDeEscritura = 75;
const char kPrefijoPaginas[] = "HOJA_";
const char kPdf[] = "INFORME.PDF";
constexpr int kLineasPorHoja = 63;
constexpr int kAnchoBarraEnReposo = 15;

// A failure names the file as the user will look for it, in the report
// folder, not as its copy in the provisional folder, which is gone by then.
Status EnLaCarpeta(const Status& estado, const std::string& provisional,
                   const std::string& carpeta) {
  const std::string dentro = provisional + "/";
  std::string texto = estado.description();
  const size_t en = provisional.empty() ? std::string::npos : texto.find(dentro);
  if (en == std::string::npos) return estado;
  texto.replace(en, dentro.size(), (std::filesystem::path(carpeta) / "").string());
  return Status::Error(estado.number(), texto);
}

}  // namespace

Verificacion::Verificacion(PantallaProgreso& progreso, Avisador& avisador, Reloj& reloj)
    : progreso_(progreso), avisador_(avisador), reloj_(reloj) {}

ResultadoVerificacion Verificacion::Correr(const PlanillaElegida& planilla,
                                           const std::string& carpeta,
                                           const OpcionesVerificacion& opciones) {
  ResultadoVerificacion resultado;
  APERTURA apertura(avisador_);
  apertura.BaseActivaJet(planilla.ruta);
  if (!apertura.Apertura_Ok()) {
    resultado.estado = apertura.Problema();
    resultado.titulo = apertura.TituloProblema();
    return resultado;
  }
  resultado.procesado = DocumentoHallazgos::HoraLocal();
  CarpetaProvisional provisional(carpeta);
  Status estado = provisional.Crear();
  if (estado.ok()) estado = EscribirInforme(apertura, provisional.ruta(), &resultado);
  if (estado.ok()) estado = Paginar(apertura, planilla, provisional.ruta());
  if (estado.ok() && opciones.documento) {
    estado = EscribirDocumento(planilla, resultado, provisional.ruta());
  }
  const std::string marcada = CopiaMarcada::NombreDeArchivo(planilla.archivo);
  if (estado.ok() && opciones.marcada) {
    estado = CopiaMarcada::Escribir(*apertura.Libro(), resultado.hallazgos,
                                    provisional.ruta() + "/" + marcada);
  }
  for (const Paso& paso : pasos_) {
    if (estado.ok()) estado = paso(provisional.ruta());
  }
  // Findings and copy of an earlier run go with its report: they would not
  // match the new one.
  if (estado.ok()) estado = provisional.Instalar(kPrefijoPaginas, {kPdf, kDocumento, marcada});
  ReposarProgreso();
  if (!estado.ok()) {
    estado = EnLaCarpeta(estado, provisional.ruta(), carpeta);
    resultado.titulo = "Error de Escritura";
    avisador_.Mensaje(estado.description(), resultado.titulo, Icono::Critico);
  }
  resultado.estado = estado;
  return resultado;
}

Status Verificacion::EscribirInforme(APERTURA& apertura, const std::string& carpeta,
                                     ResultadoVerificacion* resultado) {
  TextFileWriter informe;
  Status estado = informe.Open(carpeta + kInforme);
  if (!estado.ok()) return estado;
  ConductorInforme conductor(apertura, informe, progreso_);
  conductor.EncabezarParteA();
  estado = conductor.ParteA(COL_R_ERRORES_EP().Cl());
  if (estado.ok()) {
    ControlDATOSDOC docentes;
    estado = conductor.Docentes(docentes);
  }
  if (estado.ok()) estado = conductor.ParteB(COL_R_FINAL().Cl());
  const Status cierre = informe.Close();
  resultado->con_inconsistencias = conductor.HayInconsistencias();
  resultado->hallazgos = conductor.Hallazgos().Entregar();
  return estado.ok() ? cierre : estado;
}

Status Verificacion::Paginar(APERTURA& apertura, const PlanillaElegida& planilla,
                             const std::string& carpeta) {
  Datos_Iniciales datos;
  const Status estado = apertura.TablaActiva(datos.Sql());
  if (!estado.ok()) return estado;
  const std::string encabezado =
      datos.Encabezado_Informe(planilla.archivo, planilla.fecha, apertura.Reg(), reloj_.Ahora());
  Partir_TXT partir;
  partir.Archivo_Entrada(carpeta + kInforme);
  partir.Prefijo_Salida(Prefijo(carpeta));
  partir.Encabezado(encabezado);
  partir.Cantidad_Lineas_Hoja(kLineasPorHoja);
  return partir.Correr();
}

std::string Verificacion::Prefijo(const std::string& carpeta) {
  return carpeta + "/" + kPrefijoPaginas;
}

std::string Verificacion::ArchivoPdf(const std::string& carpeta) { return carpeta + "/" + kPdf; }

Status Verificacion::EscribirDocumento(const PlanillaElegida& planilla,
                                       const ResultadoVerificacion& resultado,
                                       const std::string& carpeta) {
  const std::string ruta = carpeta + "/" + kDocumento;
  std::ofstream archivo(ruta, std::ios::binary | std::ios::trunc);
  archivo << DocumentoHallazgos::Texto(planilla.archivo, resultado.procesado,
                                       resultado.con_inconsistencias, resultado.hallazgos)
          << "\n";
  archivo.close();
  if (!archivo) {
    return Status::Error(kErrorDeEscritura,
                         "No se pudo escribir " + ruta + ": " + SystemError::Reason(errno));
  }
  return Status::Ok();
}

void Verificacion::ReposarProgreso() {
  progreso_.TituloSeccion("");
  progreso_.AnchoBarra(kAnchoBarraEnReposo);
  progreso_.Porcentaje("0%");
}

}  // namespace kaldoren
