// RESUMEN_DIFERENCIAS: last section of part b. Sets the contributions due
// (Totales of the salary summary, position 2 of Cl) against the payments made
// (Totales of the payments summary, position 3) and writes both with their
// difference, or an OK mark when they agree to the cent. The totals travel
// through the query as texts in the general number form, so the line is
// written only when the employer sheet has a row. Keeps no state.
#pragma once

#include <string>

#include "app/SeccionResumen.h"

namespace kaldoren {

class RESUMEN_DIFERENCIAS final : public SeccionResumen {
 public:
  std::string Titulo() override;
  std::string Agregado_al_titulo() override;
  // Reads the totals of positions 2 and 3 of Cl, which must hold them and
  // must have written all their lines already.
  std::string Sql(const Coleccion<SeccionResumen>& Cl) override;
  std::string Encabezado() override;
  // Both totals and their difference; a total that does not read as a
  // number counts 0.
  std::string Detalle(const Recordset& r) override;
  std::string Vacio() override;
  // A difference that is not the OK mark is a finding (without cells).
  bool EsHallazgo(const Recordset& r) const override;
};

}  // namespace kaldoren
