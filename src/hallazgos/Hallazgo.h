// Hallazgo: one inconsistency of a verification as data that points at the
// cells it is about, besides the report line that states it. Every line that
// report part a writes for a failing record is one finding; so is every row
// that the part-b list of remunerations in periods that do not correspond
// writes, and a difference between contributions and payments that is not
// the OK mark (a finding without cells).
//
// The texts are UTF-8 as the workbook gave them (they may hold any byte); the
// writers of the document and of the marked copy make them safe.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kaldoren {

// A cell the rule of a finding read.
struct CeldaHallazgo {
  std::string ref;                   // "DATOSDOC!H122"
  std::string columna;               // the column's name in the sheet's header
  std::optional<std::string> valor;  // the value's text form; none for an empty cell
  std::uint32_t fila_hoja = 0;       // the cell's sheet row, from 0
  std::uint16_t columna_hoja = 0;    // the cell's sheet column, from 0
};

struct Hallazgo {
  std::string parte;        // "a" or "b"
  std::string seccion;      // DATOSEMP, PAGOS, DATOSDOC, REM. ERRONEAS, DIFERENCIAS
  std::optional<int> item;  // the check item, from 1 in the section's list; none in part b
  std::string texto;        // as the report line writes it, without period or edge blanks
  std::optional<std::string> periodo;                       // PERLIQ as written
  std::variant<std::monostate, double, std::string> orden;  // ORDEN of a teacher row
  std::optional<std::string> hoja;                          // the sheet's name, without "$"
  std::optional<long> fila;  // the row as the spreadsheet numbers it, from 1
  std::vector<CeldaHallazgo> celdas;
};

}  // namespace kaldoren
