// ArchivoEnMemoria: a file that lives in memory only (memfd), so that a fuzz
// target can hand its input to code that opens files by path, exactly as the
// program does with a workbook chosen by the user, without touching a disk.
// The path stays valid while the object lives; Escribir replaces the content.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kaldoren::fuzz {

class ArchivoEnMemoria {
 public:
  ArchivoEnMemoria();
  ~ArchivoEnMemoria();
  ArchivoEnMemoria(const ArchivoEnMemoria&) = delete;
  ArchivoEnMemoria& operator=(const ArchivoEnMemoria&) = delete;

  void Escribir(const std::uint8_t* datos, std::size_t tamano);
  const std::string& ruta() const { return ruta_; }

 private:
  int fd_ = -1;
  std::string ruta_;
};

}  // namespace kaldoren::fuzz
