// Partir_TXT: cuts a finished text file into numbered page files of a fixed
// number of report lines. Page k of N is Prefijo_Salida + k + ".TXT" and holds
// the header (Encabezado, then a line break), the page line "Hoja Nº k de N",
// a ruler of 105 underscores, an empty line (always on page 1; on a later page
// only when its first report line is not blank) and its report lines.
//
// The input is Windows-1252 text with CR LF line ends; its lines are copied
// byte for byte. It is read twice, line by line, never held whole in memory.
// Before writing, every page file of the prefix left by an earlier split
// (any page number) is removed, so no stale page follows the new last one.
//
// The caller sets the four properties and calls Correr once. With a path
// unset or a budget of 0 Correr does nothing and answers ok. A failure (input
// unreadable, a page not written, an old page not removed) is answered as a
// Status; the split then stops with no page file open, and an input that
// cannot be read leaves the old pages untouched.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/Status.h"

namespace kaldoren {

class Partir_TXT {
 public:
  void Archivo_Entrada(std::string ruta) { entrada_ = std::move(ruta); }
  // Full path of the page files without page number and extension.
  void Prefijo_Salida(std::string prefijo) { prefijo_ = std::move(prefijo); }
  // Report lines a page holds (the budget); the empty line of page 1 and
  // header lines do not count, the empty line of a later page does.
  void Cantidad_Lineas_Hoja(std::uint8_t lineas) { lineas_ = lineas; }
  // UTF-8 text, written in Windows-1252; it may span several lines.
  void Encabezado(std::string texto) { encabezado_ = std::move(texto); }

  Status Correr();

  // Removes every file prefijo + digits + ".TXT"; none is not an error.
  static Status BorrarHojas(const std::string& prefijo);

 private:
  std::optional<std::string> entrada_;
  std::optional<std::string> prefijo_;
  std::uint8_t lineas_ = 0;
  std::string encabezado_;
};

}  // namespace kaldoren
