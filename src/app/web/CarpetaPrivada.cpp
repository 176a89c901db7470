#include "app/web/CarpetaPrivada.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kaldoren {

namespace {

// $TMPDIR when set; else the memory file system /dev/shm, so that a
// declaration never reaches a disk (and its many small files cost no disk
// writes); else /tmp.
std::string Base() {
  const char* tmpdir = std::getenv("TMPDIR");
  if (tmpdir != nullptr && *tmpdir != '\0') return tmpdir;
  if (access("/dev/shm", W_OK | X_OK) == 0) return "/dev/shm";
  return "/tmp";
}

}  // namespace

CarpetaPrivada::CarpetaPrivada() {
  std::string plantilla = Base() + "/kaldoren20-XXXXXX";
  if (mkdtemp(plantilla.data()) != nullptr) {
    ruta_ = plantilla;
  } else {
    error_ = errno;
  }
}

CarpetaPrivada::~CarpetaPrivada() {
  std::error_code ignorado;
  if (!ruta_.empty()) std::filesystem::remove_all(ruta_, ignorado);
}

std::optional<std::string> CarpetaPrivada::Leer(const std::string& ruta) {
  std::ifstream archivo(ruta, std::ios::binary);
  if (!archivo) return std::nullopt;
  std::ostringstream contenido;
  contenido << archivo.rdbuf();
  return contenido.str();
}

std::vector<std::string> CarpetaPrivada::LeerHojas(const std::string& prefijo) {
  std::vector<std::string> hojas;
  for (int n = 1;; ++n) {
    std::optional<std::string> hoja = Leer(prefijo + std::to_string(n) + ".TXT");
    if (!hoja) return hojas;
    hojas.push_back(std::move(*hoja));
  }
}

}  // namespace kaldoren
