// Verificacion: one verification run. It opens the workbook through APERTURA,
// writes the report ERRORES.TXT into a folder by driving every report section,
// builds the report header and cuts the report into the page files HOJA_1.TXT,
// HOJA_2.TXT, ... in the same folder, runs the steps added with AgregarPaso
// on the new files, then leaves the progress display at rest. A run that cannot open or check the
// workbook shows its message through the Avisador and leaves the folder's earlier report untouched;
// a run that fails while writing leaves the earlier report in place as well.
//
// The run answers the findings of the report (Hallazgo) and, when asked,
// writes them beside the report as HALLAZGOS.JSON, and the marked copy of the
// workbook; all are installed with the report, so a failed run leaves the
// earlier ones too.
//
// The progress display, the Avisador and the Reloj must outlive the object.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/APERTURA.h"
#include "app/Avisador.h"
#include "app/PantallaProgreso.h"
#include "app/Reloj.h"
#include "base/Status.h"
#include "hallazgos/Hallazgo.h"

namespace kaldoren {

// What the main window shows of the chosen workbook and hands to the run.
struct PlanillaElegida {
  std::string ruta;     // full path as the file dialog returned it
  std::string archivo;  // file name as shown (upper-cased), ARCHXLS
  std::string fecha;    // last-modified date and time as shown, FH
};

// What a run writes besides the report and its pages.
struct OpcionesVerificacion {
  bool documento = false;  // HALLAZGOS.JSON
  bool marcada = false;    // <NAME OF THE WORKBOOK>_MARCADA.xlsx (CopiaMarcada)
};

struct ResultadoVerificacion {
  Status estado;                     // not ok: the report was not written
  std::string titulo;                // the title of the message of a failure
  bool con_inconsistencias = false;  // part a of the report has error lines
  std::string procesado;             // when the run wrote the report (ISO 8601)
  std::vector<Hallazgo> hallazgos;   // in the order of the report's lines
};

class Verificacion {
 public:
  Verificacion(PantallaProgreso& progreso, Avisador& avisador, Reloj& reloj);

  ResultadoVerificacion Correr(const PlanillaElegida& planilla, const std::string& carpeta,
                               const OpcionesVerificacion& opciones = {});

  // A step on the new report before it replaces the earlier one: it gets the
  // folder that holds ERRORES.TXT and its pages and may add files there (they
  // are installed with the report). A failure fails the run and leaves the
  // earlier report in place. Steps run in the order they were added.
  using Paso = std::function<Status(const std::string& carpeta)>;
  void AgregarPaso(Paso paso) { pasos_.push_back(std::move(paso)); }

  // The page-file prefix of the report in carpeta: carpeta + "/HOJA_".
  static std::string Prefijo(const std::string& carpeta);
  // The PDF of the report's pages: carpeta + "/INFORME.PDF". A new report
  // without one removes the earlier report's, which would not match it.
  static std::string ArchivoPdf(const std::string& carpeta);

 private:
  Status EscribirInforme(APERTURA& apertura, const std::string& carpeta,
                         ResultadoVerificacion* resultado);
  static Status EscribirDocumento(const PlanillaElegida& planilla,
                                  const ResultadoVerificacion& resultado,
                                  const std::string& carpeta);
  Status Paginar(APERTURA& apertura, const PlanillaElegida& planilla, const std::string& carpeta);
  void ReposarProgreso();

  PantallaProgreso& progreso_;
  Avisador& avisador_;
  Reloj& reloj_;
  std::vector<Paso> pasos_;
};

}  // namespace kaldoren
