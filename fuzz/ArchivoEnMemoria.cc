#include "ArchivoEnMemoria.h"

#include <sys/mman.h>
#include <sys/stat.h>
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

std::string ArchivoEnMemoria::Leer() const {
  struct stat info;
  if (fstat(fd_, &info) != 0) std::abort();
  std::string contenido(static_cast<std::size_t>(info.st_size), '\0');
  std::size_t leidos = 0;
  while (leidos < contenido.size()) {
    const ssize_t n = pread(fd_, contenido.data() + leidos, contenido.size() - leidos,
                            static_cast<off_t>(leidos));
    if (n <= 0) std::abort();
    leidos += static_cast<std::size_t>(n);
  }
  return contenido;
}

}  // namespace kaldoren::fuzz
