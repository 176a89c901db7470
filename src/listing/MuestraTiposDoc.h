// MuestraTiposDoc: the document types of the valid-data listing, each code
// beside its description, two entries to a line under a two-column heading.
#pragma once

#include "checks/Datos_Validos.h"
#include "listing/SeccionListado.h"

namespace kaldoren {

class MuestraTiposDoc final : public SeccionListado {
 public:
  std::string Titulo() override;
  // The code left-aligned in 6 characters, four spaces, the description.
  std::vector<std::string> Datos() override;
  int Tope() override { return 90; }
  int Ancho() override { return 41; }
  int Separador() override { return 12; }

 private:
  Datos_Validos validos_;
};

}  // namespace kaldoren
