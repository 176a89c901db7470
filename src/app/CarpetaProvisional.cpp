#include "app/CarpetaProvisional.h"

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "base/SystemError.h"
#include "report/Partir_TXT.h"

namespace kaldoren {
namespace fs = std::filesystem;
namespace {

constexpr int kErrorCarpeta = 75;

Status ErrorDeCarpeta(const std::string& que, const std::string& ruta, const std::error_code& e) {
  return Status::Error(kErrorCarpeta,
                       "No se pudo " + que + " " + ruta + ": " + SystemError::Reason(e.value()));
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
                                            SystemError::Reason(errno));
  }
  ruta_ = plantilla;
  return Status::Ok();
}

Status CarpetaProvisional::Instalar(const std::string& prefijo_paginas,
                                    const std::vector<std::string>& reemplazados) {
  const Status borrado = Partir_TXT::BorrarHojas((fs::path(destino_) / prefijo_paginas).string());
  if (!borrado.ok()) return borrado;
  std::error_code e;
  for (const std::string& nombre : reemplazados) {
    const fs::path viejo = fs::path(destino_) / nombre;
    if (!fs::remove(viejo, e) && e) return ErrorDeCarpeta("borrar", viejo.string(), e);
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
