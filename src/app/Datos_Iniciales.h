// Datos_Iniciales: the report header written at the top of every page: the
// report title, when the report was produced, the workbook examined and when
// it was last changed, the school as the employer sheet identifies it and the
// periods the declaration covers. Lives for one step of the run; keeps no state.
#pragma once

#include <string>

#include "query/Recordset.h"

namespace kaldoren {

class Datos_Iniciales {
 public:
  // The employer rows with a non-blank period, by period.
  std::string Sql() const;

  // The header: 15 lines joined by CR LF, without a final line break.
  //   arch  the workbook's file name as the main window shows it;
  //   ult   its last-modified time as shown ("dd/mm/yyyy hh:mm:ss" or
  //         "dd/mm/yyyy"); empty (or not a date) leaves date and time blank;
  //   r     the recordset of Sql on its first row; the school comes from that
  //         row (empty values when there is none) and the periods from every
  //         row, so r is left at its end;
  //   ahora the current local date and time as a day count.
  std::string Encabezado_Informe(const std::string& arch, const std::string& ult, Recordset& r,
                                 double ahora) const;
};

}  // namespace kaldoren
