#include "app/web/ColaDeVerificaciones.h"

#include <algorithm>

namespace kaldoren {

ColaDeVerificaciones::ColaDeVerificaciones(unsigned trabajadores, size_t capacidad,
                                           std::chrono::milliseconds plazo)
    : capacidad_(capacidad), plazo_(plazo) {
  for (unsigned i = 0; i < std::max(1u, trabajadores); ++i) {
    trabajadores_.emplace_back([this] { Trabajar(); });
  }
  vigia_ = std::thread([this] { Vigilar(); });
}

ColaDeVerificaciones::~ColaDeVerificaciones() { Detener(); }

bool ColaDeVerificaciones::Encolar(std::function<void()> tarea, std::function<void()> al_vencer) {
  {
    const std::lock_guard<std::mutex> bloqueo(cerrojo_);
    if (detenida_ || pendientes_.size() >= capacidad_) return false;
    const uint64_t numero = siguiente_++;
    pendientes_.push_back(Tarea{numero, std::move(tarea)});
    plazos_.emplace(numero, Plazo{Reloj::now() + plazo_, std::move(al_vencer)});
  }
  hay_tarea_.notify_one();
  cambian_plazos_.notify_one();
  return true;
}

void ColaDeVerificaciones::Detener() {
  {
    const std::lock_guard<std::mutex> bloqueo(cerrojo_);
    detenida_ = true;
  }
  hay_tarea_.notify_all();
  for (std::thread& t : trabajadores_) {
    if (t.joinable()) t.join();
  }
  {
    const std::lock_guard<std::mutex> bloqueo(cerrojo_);
    fin_de_vigilancia_ = true;
  }
  cambian_plazos_.notify_all();
  if (vigia_.joinable()) vigia_.join();
}

void ColaDeVerificaciones::Trabajar() {
  std::unique_lock<std::mutex> bloqueo(cerrojo_);
  for (;;) {
    hay_tarea_.wait(bloqueo, [this] { return detenida_ || !pendientes_.empty(); });
    if (pendientes_.empty()) return;
    Tarea tarea = std::move(pendientes_.front());
    pendientes_.pop_front();
    bloqueo.unlock();
    tarea.correr();
    tarea.correr = nullptr;
    bloqueo.lock();
    plazos_.erase(tarea.numero);
  }
}

void ColaDeVerificaciones::Vigilar() {
  std::unique_lock<std::mutex> bloqueo(cerrojo_);
  while (!fin_de_vigilancia_) {
    if (plazos_.empty()) {
      cambian_plazos_.wait(bloqueo);
      continue;
    }
    const Reloj::time_point vence = plazos_.begin()->second.vence;
    if (Reloj::now() < vence) {
      cambian_plazos_.wait_until(bloqueo, vence);
      continue;
    }
    std::function<void()> al_vencer = std::move(plazos_.begin()->second.al_vencer);
    plazos_.erase(plazos_.begin());
    bloqueo.unlock();
    al_vencer();
    bloqueo.lock();
  }
}

}  // namespace kaldoren
