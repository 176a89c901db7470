// SalidaPdf: the PDF files of the command line. A build with Qt paints them
// with the program's page painter on Qt's offscreen platform (no display
// needed; Qt starts only when a PDF is asked for). A build without Qt writes
// none and answers every request with an error saying so.
#pragma once

#include <string>

#include "base/Status.h"

namespace kaldoren {

class SalidaPdf {
 public:
  // Whether this build writes PDF files.
  static bool Disponible();
  // Starts what painting needs; call once from the main thread before the
  // first PDF.
  static Status Preparar();
  // Where the PDF of the pages in carpeta goes by default: INFORME.PDF for a
  // report's pages, DVALIDOS.PDF for a listing's; empty when it has none.
  static std::string Destino(const std::string& carpeta);
  // The PDF of the report's pages in carpeta (or else the listing's) into
  // destino. Safe to call from several threads.
  static Status Escribir(const std::string& carpeta, const std::string& destino);
};

}  // namespace kaldoren
