// RESUMEN_SALARIAL: second section of part b. Per period of the teachers'
// sheet, the number of named teachers and the sums of the remuneration
// subject to contributions, the personal and employer contributions and both
// together. Totales accumulates the last of these over every line written, for
// the differences section; a period whose sum is empty adds 0.
#pragma once

#include <string>

#include "app/SeccionResumen.h"

namespace kaldoren {

class RESUMEN_SALARIAL final : public SeccionResumen {
 public:
  std::string Titulo() override;
  std::string Agregado_al_titulo() override;
  // The grouped query; Cl is not used.
  std::string Sql(const Coleccion<SeccionResumen>& Cl) override;
  std::string Encabezado() override;
  // The line of the current period; adds its TOTAL to Totales.
  std::string Detalle(const Recordset& r) override;
  std::string Vacio() override;
  double Totales() const override { return totales_; }

 private:
  double totales_ = 0;
};

}  // namespace kaldoren
