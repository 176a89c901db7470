// ConductorInforme: writes the frame of the report file ERRORES.TXT while it
// drives the report sections: the part headings, the numbered section titles,
// the period grouping of part a, the order-number lines of the teacher data,
// the summary lines of part b, the rulers and blank lines, and the progress
// display after every record or check item. The sections only answer texts and
// checks; the recordsets come from the accessor. Every inconsistency it writes
// is also a finding, collected in report order as the lines are written.
//
// The accessor, the report file and the progress display must outlive it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/APERTURA.h"
#include "app/Coleccion.h"
#include "app/PantallaProgreso.h"
#include "app/SeccionControl.h"
#include "app/SeccionResumen.h"
#include "base/Status.h"
#include "base/TextFileWriter.h"
#include "hallazgos/RegistroHallazgos.h"

namespace kaldoren {

class ConductorInforme {
 public:
  ConductorInforme(APERTURA& apertura, TextFileWriter& informe, PantallaProgreso& progreso);

  // Heading of part a and its blank line.
  void EncabezarParteA();
  // Every generic section of part a, records outer and check items inner.
  Status ParteA(const Coleccion<SeccionControl>& Cl);
  // The teacher-data section, check items outer, then the underscore ruler
  // that closes part a and the heading of part b.
  Status Docentes(SeccionControlPorItem& seccion);
  // Every section of part b, numbered from 1 again.
  Status ParteB(const Coleccion<SeccionResumen>& Cl);

  // True once part a has written at least one inconsistency.
  bool HayInconsistencias() const { return inconsistencias_; }
  // The findings of the lines written so far.
  RegistroHallazgos& Hallazgos() { return hallazgos_; }

 private:
  // A run of consecutive records with equal PERLIQ: the teacher section lists
  // its failing rows per run. The runs are found once, before the items are
  // walked, because every item walks the same runs.
  struct GrupoDePeriodo {
    Value periodo;
    long registros = 0;
  };

  Status ControlGenerico(SeccionControl& seccion);
  void RecorrerRegistros(SeccionControl& seccion, bool* sin_errores);
  std::vector<GrupoDePeriodo> GruposDePeriodo();
  void RecorrerItem(SeccionControlPorItem& seccion, int item, const std::string& texto,
                    const std::vector<GrupoDePeriodo>& grupos, bool* sin_errores);
  void EscribirGrupo(SeccionControlPorItem& seccion, const Value& periodo,
                     const std::string& ordenes);
  Status Resumen(SeccionResumen& seccion, const Coleccion<SeccionResumen>& Cl);
  // A finding about the current row of r, for the report line texto.
  void Anotar(const std::string& parte, const std::string& seccion, std::optional<int> item,
              std::string_view texto, std::span<const std::string_view> columnas, bool con_orden);
  void Avance(long posicion, long total);
  void Linea(const std::string& texto) { informe_.WriteLine(texto); }

  APERTURA& apertura_;
  TextFileWriter& informe_;
  PantallaProgreso& progreso_;
  int numero_seccion_ = 0;
  bool inconsistencias_ = false;
  bool leyenda_escrita_ = false;
  RegistroHallazgos hallazgos_;
};

}  // namespace kaldoren
