// ColumnasRequeridas: the columns the report reads from each declaration
// sheet, in the order the sheets and their layouts are described. A workbook
// that lacks one of them is refused before any report file is written.
#pragma once

#include <string>
#include <vector>

namespace kaldoren {

class ColumnasRequeridas {
 public:
  struct Hoja {
    std::string tabla;  // table name, in capitals: "DATOSEMP$"
    std::vector<std::string> columnas;
  };

  // DATOSEMP$, PAGOS$ and DATOSDOC$, in that order.
  static const std::vector<Hoja>& Hojas();
};

}  // namespace kaldoren
