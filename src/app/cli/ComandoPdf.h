// ComandoPdf: "kaldoren20 pdf CARPETA [--salida ARCHIVO.PDF]" writes the PDF
// of the pages already in CARPETA: the verification report's HOJA_n.TXT into
// CARPETA/INFORME.PDF, or, when the folder holds no report, the valid-data
// listing's DATOSn.TXT into CARPETA/DVALIDOS.PDF (or into ARCHIVO.PDF).
// Answers the exit status: 0 when the PDF was written, 2 otherwise (the
// reason goes to standard error and an earlier PDF stays as it was).
#pragma once

#include <cstdio>
#include <iosfwd>
#include <string>
#include <vector>

namespace kaldoren {

class ComandoPdf {
 public:
  ComandoPdf(std::ostream& salida, std::FILE* errores);
  int Ejecutar(const std::vector<std::string>& argumentos);

 private:
  int Fallo(const std::string& texto);

  std::ostream& salida_;
  std::FILE* errores_;
};

}  // namespace kaldoren
