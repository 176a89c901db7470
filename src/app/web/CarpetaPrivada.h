// CarpetaPrivada: a work folder that only this process can enter (mode 0700,
// made by mkdtemp under $TMPDIR, else under the memory file system /dev/shm,
// else under /tmp), removed with all it holds when the object goes. The web server runs each
// verification in one, so that nothing of a declaration stays on disk.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kaldoren {

class CarpetaPrivada {
 public:
  CarpetaPrivada();
  ~CarpetaPrivada();
  CarpetaPrivada(const CarpetaPrivada&) = delete;
  CarpetaPrivada& operator=(const CarpetaPrivada&) = delete;

  // Empty when the folder could not be made; error() then holds errno.
  const std::string& ruta() const { return ruta_; }
  int error() const { return error_; }

  // The whole content of a file; nothing when it cannot be read.
  static std::optional<std::string> Leer(const std::string& ruta);
  // The page files prefijo + "1.TXT", prefijo + "2.TXT", ... up to the first missing.
  static std::vector<std::string> LeerHojas(const std::string& prefijo);

 private:
  std::string ruta_;
  int error_ = 0;
};

}  // namespace kaldoren
