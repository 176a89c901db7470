// ControlDATOSEMP: the report section "DATOS DEL EMPLEADOR". It checks every
// row of the employer sheet DATOSEMP$ that carries a period against eleven
// fixed rules (identification, name, district, level, file number,
// classification, address, town, owner and legal representative, their
// document types and numbers). Errores answers true when the current row
// breaks rule i, 0 to 10; the message of the rule is element i of Items.
//
// The section keeps nothing between rows: every answer depends only on the
// current row, read afresh on every call. The district and document type
// lists are taken once, at construction.
#pragma once

#include <string>
#include <vector>

#include "app/SeccionControl.h"
#include "checks/Datos_Validos.h"
#include "checks/ERRORES_VARIOS.h"

namespace kaldoren {

class ControlDATOSEMP final : public SeccionControl {
 public:
  ControlDATOSEMP();

  std::string Titulo() override;
  std::string Agregado_al_titulo() override;
  std::string Sql() override;
  bool Errores(const Recordset& r, int i) override;
  std::vector<std::string> Items() override;
  std::string Leyenda(const std::string& dato) override;
  std::string Final(bool condi) override;
  std::string Hoja() const override { return "DATOSEMP"; }
  std::span<const std::string_view> Columnas(int i) const override;

 private:
  // The file number as a school of this number must give it: none at all for
  // a transferred school, characteristic-number/year (25900-1574838/04) for
  // any other.
  static bool Expedientevalido(const Value& expediente, const Value& kaldoren);
  // Schools transferred to the institute, which give no file number.
  static bool Colegiotransferido(const Value& kaldoren);
  static bool FormaDeExpedienteValida(const std::string& texto);
  // Urban ("X" and RURAL 0) or rural (RURAL above 0 with its resolution).
  static bool Clasificacionvalida(const Value& urbano, const Value& rural, const Value& resolucion);

  ERRORES_VARIOS varios_;
  Datos_Validos validos_;
  const std::vector<std::string> distritos_;
  const std::vector<std::string> tipos_doc_;
};

}  // namespace kaldoren
