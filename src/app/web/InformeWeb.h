// InformeWeb: what the web server keeps of one verification, in memory only:
// the workbook's name as the report header writes it, whether part a lists
// inconsistencies, and the report's files as the command line writes them
// (ERRORES.TXT and the pages HOJA_1.TXT, ..., Windows-1252 bytes).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kaldoren {

struct InformeWeb {
  std::string archivo;
  bool con_inconsistencias = false;
  std::string errores;
  std::vector<std::string> hojas;

  // Bytes held, for the memory budget of the results.
  size_t Tamano() const {
    size_t total = archivo.size() + errores.size();
    for (const std::string& h : hojas) total += h.size();
    return total;
  }
};

}  // namespace kaldoren
