// COL_R_FINAL: the sections of report part b, in report order: remunerations
// in periods that do not correspond, the salary summary, the payments summary
// and the differences. The order is binding: the differences section reads the
// totals of positions 2 and 3 after they have written their lines.
#pragma once

#include "app/Coleccion.h"
#include "app/SeccionResumen.h"

namespace kaldoren {

class COL_R_FINAL {
 public:
  COL_R_FINAL();
  const Coleccion<SeccionResumen>& Cl() const { return cl_; }

 private:
  Coleccion<SeccionResumen> cl_;
};

}  // namespace kaldoren
