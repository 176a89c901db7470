// RegistroHallazgos: collects the findings of one verification run while the
// run writes the report, in the order of the report's lines. A finding about
// a record takes its sheet, its row and its cells from the sheet record the
// recordset's current row shows (Recordset::Origin), so the queries may
// filter and sort as they like; a row the engine computed gives a finding
// without sheet, row or cells.
//
// The sheet of the recordset must be alive while Anotar runs; the findings
// copy what they need and outlive it.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "hallazgos/Hallazgo.h"
#include "query/Recordset.h"

namespace kaldoren {

class RegistroHallazgos {
 public:
  // Adds the finding base about the current row of r: its period (PERLIQ),
  // with con_orden its order number (ORDEN), its sheet and row, and the cells
  // of the named columns that the sheet has, in the order given.
  void Anotar(Hallazgo base, const Recordset& r, std::span<const std::string_view> columnas,
              bool con_orden);

  const std::vector<Hallazgo>& hallazgos() const { return hallazgos_; }
  std::vector<Hallazgo> Entregar() { return std::move(hallazgos_); }

  // "A", ..., "Z", "AA", ... for a sheet column counted from 0.
  static std::string LetrasDeColumna(unsigned columna);
  // The sheet name as a reference writes it: in single quotes (doubled
  // inside) unless it is made of letters, digits and underscores only.
  static std::string NombreEnReferencia(const std::string& hoja);

 private:
  std::vector<Hallazgo> hallazgos_;
};

}  // namespace kaldoren
