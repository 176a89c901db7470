// COL_R_ERRORES_EP: the generic sections of report part a, in report order:
// the employer data checks, then the payment checks. It creates them when it
// is created and releases them with itself.
#pragma once

#include "app/Coleccion.h"
#include "app/SeccionControl.h"

namespace kaldoren {

class COL_R_ERRORES_EP {
 public:
  COL_R_ERRORES_EP();
  const Coleccion<SeccionControl>& Cl() const { return cl_; }

 private:
  Coleccion<SeccionControl> cl_;
};

}  // namespace kaldoren
