// SeccionResumen: a report section of part b, one internal-use summary. The
// run opens the query that Sql builds and writes the heading and one Detalle
// line per row, or the Vacio text when the query returns no row. Sql receives
// the collection being walked, so that a later section can read the totals of
// earlier ones; the run calls Sql only after every earlier section is done.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "app/Coleccion.h"
#include "query/Recordset.h"

namespace kaldoren {

class SeccionResumen {
 public:
  virtual ~SeccionResumen() = default;

  virtual std::string Titulo() = 0;
  virtual std::string Agregado_al_titulo() = 0;
  virtual std::string Sql(const Coleccion<SeccionResumen>& Cl) = 0;
  virtual std::string Encabezado() = 0;
  virtual std::string Detalle(const Recordset& r) = 0;
  virtual std::string Vacio() = 0;

  // The total a summary accumulates while its lines are written (the salary
  // and payment summaries keep one); 0 for a section that keeps none.
  virtual double Totales() const { return 0; }

  // True when the line of the current row of r is also a finding (none by
  // default); the section's short name (Agregado_al_titulo) names it.
  virtual bool EsHallazgo(const Recordset&) const { return false; }
  // The columns of the row's sheet a finding points at (none by default).
  virtual std::span<const std::string_view> Columnas() const { return {}; }
};

}  // namespace kaldoren
