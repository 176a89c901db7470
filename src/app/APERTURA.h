// APERTURA: the workbook accessor of a verification run, the only place where
// the run touches the workbook. BaseActivaJet opens the workbook read-only and
// keeps any opening error; Apertura_Ok shows that error, or checks that the
// workbook holds the three declaration sheets with every column the report
// reads, and answers whether the run may go on; TablaActiva runs one query
// after another, each replacing the previous recordset, which Reg exposes.
// Releasing the accessor closes the recordset and the workbook.
//
// The Avisador must outlive the accessor.
#pragma once

#include <memory>
#include <string>

#include "app/Avisador.h"
#include "base/Status.h"
#include "query/Recordset.h"
#include "workbook/Workbook.h"

namespace kaldoren {

class APERTURA {
 public:
  explicit APERTURA(Avisador& avisador);
  ~APERTURA();
  APERTURA(const APERTURA&) = delete;
  APERTURA& operator=(const APERTURA&) = delete;

  // Closes any open workbook, then opens db. Never fails: an error is kept
  // for Apertura_Ok (error number and description), otherwise they are reset.
  void BaseActivaJet(const std::string& db);
  // Takes a workbook already read (from memory, for instance) as the open one.
  void BaseActivaLibro(std::unique_ptr<Workbook> libro);
  // Closes the current recordset, then runs the query tabla. A query the
  // engine refuses leaves an empty recordset and answers the engine's error.
  Status TablaActiva(const std::string& tabla);
  // The recordset of the last query (an empty one before any query).
  Recordset& Reg() { return *reg_; }

  // Shows "Error de Apertura" with the opening error, or "Error de Datos"
  // when the workbook lacks a sheet or a column, and answers false; true when
  // the workbook is fit for the run. What it showed stays in Problema().
  bool Apertura_Ok();
  // The message Apertura_Ok showed last (ok when it showed none), and its
  // title and text apart.
  const Status& Problema() const { return problema_; }
  const std::string& TituloProblema() const { return titulo_problema_; }
  const std::string& MensajeProblema() const { return mensaje_problema_; }
  // The open workbook; nullptr when none is open.
  const Workbook* Libro() const { return base_.get(); }

  void CerrarTabla();
  void CerrarBase();

 private:
  bool FormatoValido() const;
  // The first column the report reads that a sheet lacks, as its message
  // ("La hoja PAGOS$ no tiene la columna FECPAGO"); empty when none is missing.
  std::string ColumnaFaltante() const;
  bool Avisar(bool condicion, const std::string& mensaje, const std::string& titulo);

  Avisador& avisador_;
  std::unique_ptr<Workbook> base_;
  std::unique_ptr<Recordset> reg_;
  int error_numero_ = 0;
  std::string error_descripcion_;
  Status problema_;
  std::string titulo_problema_;
  std::string mensaje_problema_;
};

}  // namespace kaldoren
