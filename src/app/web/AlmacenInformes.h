// AlmacenInformes: the verified reports the web server holds, in memory only,
// each under an id of 128 random bits from the system's generator (32
// lower-case hexadecimal digits). A report is kept for a fixed time after it
// was made and while the reports together fit a memory budget: storing one
// drops the oldest first until the new one fits. A report past its time is
// gone for good; Buscar then answers nothing, as for an id never given.
// Safe to use from several threads.
#pragma once

#include <chrono>
#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "app/web/InformeWeb.h"

namespace kaldoren {

class AlmacenInformes {
 public:
  using Reloj = std::chrono::steady_clock;

  AlmacenInformes(std::chrono::milliseconds conservar, size_t presupuesto_bytes);

  // Keeps the report and answers its new id (empty, keeping nothing, when the
  // system's generator fails).
  std::string Guardar(std::shared_ptr<const InformeWeb> informe);
  std::shared_ptr<const InformeWeb> Buscar(const std::string& id);

  size_t BytesRetenidos() const;

  // 32 hexadecimal digits of fresh randomness from getrandom(); empty when it
  // fails.
  static std::string NuevoId();

 private:
  struct Entrada {
    std::string id;
    Reloj::time_point hecho;
    std::shared_ptr<const InformeWeb> informe;
  };

  void DescartarVencidos(Reloj::time_point ahora);
  void DescartarPrimero();

  const std::chrono::milliseconds conservar_;
  const size_t presupuesto_;
  mutable std::mutex cerrojo_;
  std::list<Entrada> por_antiguedad_;
  std::unordered_map<std::string, std::list<Entrada>::iterator> por_id_;
  size_t retenidos_ = 0;
};

}  // namespace kaldoren
