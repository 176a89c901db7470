// COL_R_DATOSV: the sections of the valid-data listing in listing order (the
// districts, the document types, the file-number format and the opening
// errors), owned through Cl, and the layout of a section's entries in columns.
#pragma once

#include <string>
#include <vector>

#include "app/Coleccion.h"
#include "listing/SeccionListado.h"

namespace kaldoren {

class COL_R_DATOSV {
 public:
  COL_R_DATOSV();
  const Coleccion<SeccionListado>& Cl() const { return cl_; }

  // Lays the entries out in lines: each entry left-aligned in xancho
  // characters and followed by xseparador spaces; a line is closed when the
  // next entry comes and the line has reached xtope characters, so it may
  // be longer than xtope. Trailing spaces stay. The lines are at indexes 1
  // to size() - 1; index 0 is empty. An entry wider than its field is
  // written whole.
  static std::vector<std::string> Muestra(const std::vector<std::string>& xdatos, int xancho,
                                          int xtope, int xseparador);

 private:
  Coleccion<SeccionListado> cl_;
};

}  // namespace kaldoren
