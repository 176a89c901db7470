#include "app/CarpetaProvisional.h"

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace kaldoren {
namespace fs = std::filesystem;
namespace {

constexpr int kErrorCarpeta = 75;

// Whether name is prefijo followed by one or more digits and ".TXT".
bool EsPagina(const std::string& name, const std::string& prefijo) {
  const std::string sufijo = ".TXT";
  if (name.size() <= prefijo.size() + sufijo.size()) return false;
  if (name.compare(0, prefijo.size(), prefijo) != 0) return false;
  if (name.compare(name.size() - sufijo.size(), sufijo.size(), sufijo) != 0) return false;
  for (size_t i = prefijo.size(); i < name.size() - sufijo.size(); ++i) {
    if (name[i] < '0' || name[i] > '9') return false;
  }
  return true;
}

Status ErrorDeCarpeta(const std::string& que, const std::string& ruta, const std::error_code& e) {
  return Status::Error(kErrorCarpeta, "No se pudo " + que + " " + ruta + ": " + e.message());
}

}  // namespace

CarpetaProvisional::CarpetaProvisional(std::string destino) : destino_(std::move(destino)) {}

CarpetaProvisional::~CarpetaProvisional() {
  if (ruta_.empty()) return;
  std::error_code ignorado;
  fs::remove_all(ruta_, ignorado);
}

Status CarpetaProvisional::Crear() {
  std::error_code e;
  fs::create_directories(destino_, e);
  if (e) return ErrorDeCarpeta("crear la carpeta", destino_, e);
  std::string plantilla = (fs::path(destino_) / ".kaldoren20-XXXXXX").string();
  if (mkdtemp(plantilla.data()) == nullptr) {
    return Status::Error(kErrorCarpeta, "No se pudo escribir en la carpeta " + destino_ + ": " +
                                            std::strerror(errno));
  }
  ruta_ = plantilla;
  return Status::Ok();
}

Status CarpetaProvisional::Instalar(const std::string& prefijo_paginas) {
  std::error_code e;
  std::vector<fs::path> viejas;
  for (const auto& entrada : fs::directory_iterator(destino_, e)) {
    if (EsPagina(entrada.path().filename().string(), prefijo_paginas)) {
      viejas.push_back(entrada.path());
    }
  }
  if (e) return ErrorDeCarpeta("leer la carpeta", destino_, e);
  for (const fs::path& vieja : viejas) {
    if (!fs::remove(vieja, e) && e) return ErrorDeCarpeta("borrar", vieja.string(), e);
  }
  for (const auto& entrada : fs::directory_iterator(ruta_, e)) {
    const fs::path final = fs::path(destino_) / entrada.path().filename();
    fs::rename(entrada.path(), final, e);
    if (e) return ErrorDeCarpeta("reemplazar", final.string(), e);
  }
  if (e) return ErrorDeCarpeta("leer la carpeta", ruta_, e);
  return Status::Ok();
}

}  // namespace kaldoren
