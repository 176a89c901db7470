// RESUMEN_PAGOS: third section of part b. Per period, due date and payment
// date of the payments sheet, the total paid. Totales accumulates the totals
// of every line written, for the differences section. A due or payment date
// that is missing, not a date or before 1900 is written as ten hyphens.
#pragma once

#include <string>

#include "app/SeccionResumen.h"
#include "checks/ERRORES_VARIOS.h"

namespace kaldoren {

class RESUMEN_PAGOS final : public SeccionResumen {
 public:
  std::string Titulo() override;
  std::string Agregado_al_titulo() override;
  // The grouped query; Cl is not used.
  std::string Sql(const Coleccion<SeccionResumen>& Cl) override;
  std::string Encabezado() override;
  // The line of the current group; adds its TOTAL to Totales.
  std::string Detalle(const Recordset& r) override;
  std::string Vacio() override;
  double Totales() const override { return totales_; }

 private:
  std::string TextoFecha(const Value& v) const;

  double totales_ = 0;
  ERRORES_VARIOS fechas_;
};

}  // namespace kaldoren
