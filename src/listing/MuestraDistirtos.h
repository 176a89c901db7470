// MuestraDistirtos: the school districts of the valid-data listing, four to a
// line in fields of 26 characters.
#pragma once

#include "checks/Datos_Validos.h"
#include "listing/SeccionListado.h"

namespace kaldoren {

class MuestraDistirtos final : public SeccionListado {
 public:
  std::string Titulo() override { return "Distritos Escolares"; }
  std::vector<std::string> Datos() override { return validos_.Distritos(); }
  int Tope() override { return 90; }
  int Ancho() override { return 26; }
  int Separador() override { return 1; }

 private:
  Datos_Validos validos_;
};

}  // namespace kaldoren
