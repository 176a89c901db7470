// CarpetaProvisional: a hidden folder inside a report folder where a run
// writes its new report and page files, so that the report already in the
// folder stays whole until the new one is complete. Instalar moves the new
// files over the old ones (removing every old page file of the prefix first);
// the destructor removes the provisional folder and whatever is left in it.
#pragma once

#include <string>
#include <vector>

#include "base/Status.h"

namespace kaldoren {

class CarpetaProvisional {
 public:
  explicit CarpetaProvisional(std::string destino);
  ~CarpetaProvisional();
  CarpetaProvisional(const CarpetaProvisional&) = delete;
  CarpetaProvisional& operator=(const CarpetaProvisional&) = delete;

  // Creates the destination folder when it is missing, and the provisional one.
  Status Crear();
  // The provisional folder (valid after Crear succeeded).
  const std::string& ruta() const { return ruta_; }
  // Removes the destination's page files prefijo + number + ".TXT" and the
  // files named in reemplazados (the earlier report's, whether or not the new
  // one has them), then moves every file of the provisional folder into the
  // destination.
  Status Instalar(const std::string& prefijo_paginas,
                  const std::vector<std::string>& reemplazados = {});

 private:
  std::string destino_;
  std::string ruta_;
};

}  // namespace kaldoren
