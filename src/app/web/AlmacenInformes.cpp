#include "app/web/AlmacenInformes.h"

#include <sys/random.h>

#include <cerrno>
#include <cstdint>

namespace kaldoren {

AlmacenInformes::AlmacenInformes(std::chrono::milliseconds conservar, size_t presupuesto_bytes)
    : conservar_(conservar), presupuesto_(presupuesto_bytes) {}

std::string AlmacenInformes::Guardar(std::shared_ptr<const InformeWeb> informe) {
  const size_t tamano = informe->Tamano();
  std::string id = NuevoId();
  if (id.empty()) return id;
  const std::lock_guard<std::mutex> bloqueo(cerrojo_);
  DescartarVencidos(Reloj::now());
  while (!por_antiguedad_.empty() && retenidos_ + tamano > presupuesto_) DescartarPrimero();
  por_antiguedad_.push_back(Entrada{id, Reloj::now(), std::move(informe)});
  por_id_[id] = std::prev(por_antiguedad_.end());
  retenidos_ += tamano;
  return id;
}

std::shared_ptr<const InformeWeb> AlmacenInformes::Buscar(const std::string& id) {
  const std::lock_guard<std::mutex> bloqueo(cerrojo_);
  DescartarVencidos(Reloj::now());
  const auto it = por_id_.find(id);
  return it == por_id_.end() ? nullptr : it->second->informe;
}

size_t AlmacenInformes::BytesRetenidos() const {
  const std::lock_guard<std::mutex> bloqueo(cerrojo_);
  return retenidos_;
}

void AlmacenInformes::DescartarVencidos(Reloj::time_point ahora) {
  while (!por_antiguedad_.empty() && ahora - por_antiguedad_.front().hecho >= conservar_) {
    DescartarPrimero();
  }
}

void AlmacenInformes::DescartarPrimero() {
  retenidos_ -= por_antiguedad_.front().informe->Tamano();
  por_id_.erase(por_antiguedad_.front().id);
  por_antiguedad_.pop_front();
}

std::string AlmacenInformes::NuevoId() {
  uint8_t bytes[16];
  size_t leidos = 0;
  while (leidos < sizeof bytes) {
    const ssize_t n = getrandom(bytes + leidos, sizeof bytes - leidos, 0);
    if (n < 0 && errno == EINTR) continue;
    // Without the system's generator no id can be trusted.
    if (n <= 0) return "";
    leidos += static_cast<size_t>(n);
  }
  static const char kHex[] = "0123456789abcdef";
  std::string id;
  for (const uint8_t b : bytes) {
    id += kHex[b >> 4];
    id += kHex[b & 0xF];
  }
  return id;
}

}  // namespace kaldoren
