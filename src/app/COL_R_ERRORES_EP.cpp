#include "app/COL_R_ERRORES_EP.h"

#include <memory>

#include "checks/ControlDATOSEMP.h"
#include "checks/ControlPAGOS.h"

namespace kaldoren {

COL_R_ERRORES_EP::COL_R_ERRORES_EP() {
  cl_.Agregar(std::make_unique<ControlDATOSEMP>());
  cl_.Agregar(std::make_unique<ControlPAGOS>());
}

}  // namespace kaldoren
