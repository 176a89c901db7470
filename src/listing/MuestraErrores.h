// MuestraErrores: the explanation of the two opening errors in the valid-data
// listing, one text to a line.
#pragma once

#include "listing/SeccionListado.h"

namespace kaldoren {

class MuestraErrores final : public SeccionListado {
 public:
  std::string Titulo() override { return "Posibles Errores"; }
  std::vector<std::string> Datos() override;
  int Tope() override { return 100; }
  int Ancho() override { return 120; }
  int Separador() override { return 0; }
};

}  // namespace kaldoren
