#include "app/COL_R_FINAL.h"

#include <memory>

#include "summaries/RESUMEN_DIFERENCIAS.h"
#include "summaries/RESUMEN_ERRORES.h"
#include "summaries/RESUMEN_PAGOS.h"
#include "summaries/RESUMEN_SALARIAL.h"

namespace kaldoren {

COL_R_FINAL::COL_R_FINAL() {
  cl_.Agregar(std::make_unique<RESUMEN_ERRORES>());
  cl_.Agregar(std::make_unique<RESUMEN_SALARIAL>());
  cl_.Agregar(std::make_unique<RESUMEN_PAGOS>());
  cl_.Agregar(std::make_unique<RESUMEN_DIFERENCIAS>());
}

}  // namespace kaldoren
