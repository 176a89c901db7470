// Datos_Validos: the fixed lists of valid values, built into the program (the
// school districts, the document types with their descriptions and the names
// of the three worksheets a declaration must hold), and the exact lookup Ascan
// with which every check asks whether a value is in one of them.
//
// Each list is built afresh on every call and handed over; a caller that looks
// values up row after row takes its list once, when it is constructed. Every
// entry is upper-case and without surrounding blanks; "CAÑUELAS" is the only
// name with a letter outside A-Z.
#pragma once

#include <string>
#include <vector>

#include "base/Value.h"

namespace kaldoren {

class Datos_Validos {
 public:
  // The 137 school districts, in the order of the listing.
  std::vector<std::string> Distritos() const;
  // The 8 document type codes; T_Tipos_Doc holds their descriptions at the
  // same positions.
  std::vector<std::string> Tipos_Doc() const;
  std::vector<std::string> T_Tipos_Doc() const;
  // The worksheet tables a declaration workbook must hold, "$" included.
  std::vector<std::string> Tablas() const;

  // True when the text form of dato equals an entry of tabla exactly: case,
  // accents and blanks count. A null dato, or one whose text form is blank,
  // is never found.
  bool Ascan(const Value& dato, const std::vector<std::string>& tabla) const;

  // The tolerant lookup of the sheet checks: Ascan of the cell's text form
  // trimmed and upper-cased ("  dni " is found as "DNI"); a null cell is
  // never found.
  bool Encuentra(const Value& celda, const std::vector<std::string>& tabla) const;
};

}  // namespace kaldoren
