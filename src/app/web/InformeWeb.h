// InformeWeb: what the web server keeps of one verification, in memory only:
// the workbook's name as the report header writes it, whether part a lists
// inconsistencies, the report's files as the command line writes them
// (ERRORES.TXT and the pages HOJA_1.TXT, ..., Windows-1252 bytes, and
// HALLAZGOS.JSON), the findings, and the workbook itself, which the marked
// copy is made from when it is asked for; all of it goes when the report does.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "hallazgos/Hallazgo.h"

namespace kaldoren {

struct InformeWeb {
  std::string archivo;
  bool con_inconsistencias = false;
  std::string errores;
  std::vector<std::string> hojas;
  std::string documento;  // HALLAZGOS.JSON
  std::vector<Hallazgo> hallazgos;
  std::string libro;

  // Bytes held, for the memory budget of the results (the findings counted
  // as their document).
  size_t Tamano() const {
    size_t total = archivo.size() + errores.size() + 2 * documento.size() + libro.size();
    for (const std::string& h : hojas) total += h.size();
    return total;
  }
};

}  // namespace kaldoren
