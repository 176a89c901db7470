// ComandoDatosValidos: "kaldoren20 datos-validos [--salida CARPETA]" writes
// the valid-data listing DVALIDOS.TXT and its pages DATOS1.TXT, ... into
// CARPETA (default: the current folder).
#pragma once

#include <cstdio>
#include <iosfwd>
#include <string>
#include <vector>

namespace kaldoren {

class ComandoDatosValidos {
 public:
  ComandoDatosValidos(std::ostream& salida, std::FILE* errores);
  int Ejecutar(const std::vector<std::string>& argumentos);

 private:
  std::ostream& salida_;
  std::FILE* errores_;
};

}  // namespace kaldoren
