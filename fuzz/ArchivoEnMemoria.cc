#include "ArchivoEnMemoria.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>

namespace kaldoren::fuzz {

ArchivoEnMemoria::ArchivoEnMemoria() : fd_(memfd_create("planilla", 0)) {
  if (fd_ < 0) std::abort();
  ruta_ = "/proc/self/fd/" + std::to_string(fd_);
}

ArchivoEnMemoria::~ArchivoEnMemoria() { close(fd_); }

void ArchivoEnMemoria::Escribir(const std::uint8_t* datos, std::size_t tamano) {
  if (ftruncate(fd_, 0) != 0) std::abort();
  std::size_t escritos = 0;
  while (escritos < tamano) {
    const ssize_t n =
        pwrite(fd_, datos + escritos, tamano - escritos, static_cast<off_t>(escritos));
    if (n <= 0) std::abort();
    escritos += static_cast<std::size_t>(n);
  }
}

}  // namespace kaldoren::fuzz
