// RESUMEN_ERRORES: first section of part b. Lists the teacher rows that report
// remuneration or contributions for a period later than the month in which
// the teacher left (FECBAJA), leaving out the SAC periods and the periods of
// January and February. Keeps no state.
#pragma once

#include <string>

#include "app/SeccionResumen.h"

namespace kaldoren {

class RESUMEN_ERRORES final : public SeccionResumen {
 public:
  std::string Titulo() override;
  std::string Agregado_al_titulo() override;
  // The selection as query text; Cl is not used.
  std::string Sql(const Coleccion<SeccionResumen>& Cl) override;
  std::string Encabezado() override;
  // Period, order number and leaving date of the current row.
  std::string Detalle(const Recordset& r) override;
  std::string Vacio() override;
  // Every row listed is a finding, at its period, leaving date and amounts.
  bool EsHallazgo(const Recordset&) const override { return true; }
  std::span<const std::string_view> Columnas() const override;
};

}  // namespace kaldoren
