// Archivos: what the tests that look at files on disk share: a file's bytes,
// the lines of a report file, its page count, and a fresh folder of their own that is removed
// with the test. Header-only.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/Text.h"

namespace kaldoren::testing {

// The bytes of a file; empty when it cannot be read (a folder, say).
inline std::string Contenido(const std::filesystem::path& ruta) {
  std::ifstream archivo(ruta, std::ios::binary);
  std::ostringstream bytes;
  bytes << archivo.rdbuf();
  return bytes.str();
}

inline void Guardar(const std::filesystem::path& ruta, const std::string& bytes) {
  std::ofstream(ruta, std::ios::binary | std::ios::trunc) << bytes;
}

// The lines of a report file (Windows-1252, each line ended by CR LF) in
// UTF-8; bytes after the last CR LF are not a line.
inline std::vector<std::string> Lineas(const std::filesystem::path& ruta) {
  const std::string texto = Text::FromWindows1252(Contenido(ruta));
  std::vector<std::string> lineas;
  size_t inicio = 0;
  for (size_t fin; (fin = texto.find("\r\n", inicio)) != std::string::npos; inicio = fin + 2) {
    lineas.push_back(texto.substr(inicio, fin - inicio));
  }
  return lineas;
}

// How many page files HOJA_1.TXT, HOJA_2.TXT... follow one another in a folder.
inline int Paginas(const std::filesystem::path& carpeta) {
  int n = 0;
  while (std::filesystem::exists(carpeta / ("HOJA_" + std::to_string(n + 1) + ".TXT"))) ++n;
  return n;
}

// A new empty folder under the temporary folder, removed with everything in
// it when the object goes.
class CarpetaTemporal {
 public:
  CarpetaTemporal() {
    std::string plantilla = (std::filesystem::temp_directory_path() / "kaldoren-XXXXXX").string();
    if (mkdtemp(plantilla.data()) != nullptr) ruta_ = plantilla;
  }
  ~CarpetaTemporal() {
    std::error_code ignorado;
    if (!ruta_.empty()) std::filesystem::remove_all(ruta_, ignorado);
  }
  CarpetaTemporal(const CarpetaTemporal&) = delete;
  CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

  const std::filesystem::path& ruta() const { return ruta_; }
  std::filesystem::path operator/(const std::string& nombre) const { return ruta_ / nombre; }

 private:
  std::filesystem::path ruta_;
};

}  // namespace kaldoren::testing
