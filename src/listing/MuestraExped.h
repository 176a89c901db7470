// MuestraExped: the format of the file number in the valid-data listing, one
// text to a line.
#pragma once

#include "listing/SeccionListado.h"

namespace kaldoren {

class MuestraExped final : public SeccionListado {
 public:
  std::string Titulo() override { return "Formato del Expediente"; }
  std::vector<std::string> Datos() override;
  int Tope() override { return 110; }
  int Ancho() override { return 110; }
  int Separador() override { return 0; }
};

}  // namespace kaldoren
