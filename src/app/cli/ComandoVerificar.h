// ComandoVerificar: "kaldoren20 verificar PLANILLA ... [--salida CARPETA]
// [--pdf] [--hallazgos] [--marcada] [--json]". Runs the verification of each
// workbook without pauses. One workbook writes ERRORES.TXT and its HOJA pages
// into CARPETA (default: the current folder); several write each into
// CARPETA/<NAME WITHOUT EXTENSION, IN CAPITALS>/, two at a time, and a
// workbook that cannot be checked gets no folder. With --pdf each report also
// gets INFORME.PDF, written before the report is installed (a PDF that cannot
// be written fails that run). --hallazgos also writes HALLAZGOS.JSON beside
// each report, --marcada the marked copy <NAME>_MARCADA.xlsx (CopiaMarcada);
// --json prints that document on standard output instead of the
// line naming the report, one line per workbook in the order given (the
// error form for a workbook that could not be checked). Answers the exit
// status: 2 if any workbook could not be checked (or the arguments are
// wrong), else 1 if any report lists inconsistencies, else 0.
#pragma once

#include <cstdio>
#include <iosfwd>
#include <string>
#include <vector>

#include "app/Verificacion.h"

namespace kaldoren {

class ComandoVerificar {
 public:
  ComandoVerificar(std::ostream& salida, std::FILE* errores);

  int Ejecutar(const std::vector<std::string>& argumentos);

 private:
  struct Trabajo {
    PlanillaElegida planilla;
    std::string carpeta;
    ResultadoVerificacion resultado;
  };

  bool LeerArgumentos(const std::vector<std::string>& argumentos);
  // An option: false (after saying why) when it is unknown or lacks its value.
  bool LeerOpcion(const std::vector<std::string>& argumentos, size_t* i);
  bool Problema(const std::string& texto) const;
  bool PrepararTrabajos();
  void Verificar(Trabajo* trabajo, bool con_barra);
  void VerificarTodos();
  int Informar() const;
  static std::string Documento(const Trabajo& t);

  std::ostream& salida_;
  std::FILE* errores_;
  std::vector<std::string> planillas_;
  std::string carpeta_ = ".";
  bool pdf_ = false;
  OpcionesVerificacion opciones_;
  bool json_ = false;
  std::vector<Trabajo> trabajos_;
};

}  // namespace kaldoren
