#include "listing/MuestraExped.h"

namespace kaldoren {

std::vector<std::string> MuestraExped::Datos() {
  return {
      "(CARACTERISTICA : máximo 5 Dígitos)-(NUMERO : máximo 7 Dígitos)/(AÑO 2 Dígitos)  Ej: "
      "25900-1574838/04",
      " ",
      "                    LOS COLEGIOS TRANSFERIDOS NO DEBEN INFORMAR EXPEDIENTE",
  };
}

}  // namespace kaldoren
