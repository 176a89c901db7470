// ListadoDatosValidos: the valid-data listing action. It writes DVALIDOS.TXT
// (the school districts, document types, file-number format and the two
// opening errors, laid out by COL_R_DATOSV) into a folder and cuts it into the
// page files DATOS1.TXT, DATOS2.TXT, ... of 76 lines under the listing's title
// header. Showing the pages is the caller's business.
#pragma once

#include <string>

#include "base/Status.h"

namespace kaldoren {

class ListadoDatosValidos {
 public:
  // Writes the listing and its pages into carpeta (which must exist).
  static Status Escribir(const std::string& carpeta);
  // The page-file prefix of the listing in carpeta: carpeta + "/DATOS".
  static std::string Prefijo(const std::string& carpeta);
};

}  // namespace kaldoren
