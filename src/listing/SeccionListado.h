// SeccionListado: a section of the valid-data listing: a heading and a list of
// entries that the listing lays out in columns (Muestra): each entry
// left-aligned in a field of Ancho characters followed by Separador spaces, a
// line closed once it has reached Tope characters.
#pragma once

#include <string>
#include <vector>

namespace kaldoren {

class SeccionListado {
 public:
  virtual ~SeccionListado() = default;

  virtual std::string Titulo() = 0;
  virtual std::vector<std::string> Datos() = 0;
  virtual int Tope() = 0;
  virtual int Ancho() = 0;
  virtual int Separador() = 0;
};

}  // namespace kaldoren
