// ColaDeVerificaciones: the bounded pool that runs the web server's
// verifications: a fixed number of worker threads behind a queue of fixed
// capacity. A task that does not fit is refused at once, so that the caller
// can answer "busy" instead of piling up work. Every accepted task has a time
// bound counted from its acceptance: when it has not finished by then, its
// al_vencer is called (on the pool's watch thread) so that the caller can stop
// waiting; the task itself still runs to its end, and the caller ignores what
// it yields. Detener refuses new tasks, lets every accepted one finish and
// joins the threads; the destructor calls it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace kaldoren {

class ColaDeVerificaciones {
 public:
  using Reloj = std::chrono::steady_clock;

  ColaDeVerificaciones(unsigned trabajadores, size_t capacidad, std::chrono::milliseconds plazo);
  ~ColaDeVerificaciones();
  ColaDeVerificaciones(const ColaDeVerificaciones&) = delete;
  ColaDeVerificaciones& operator=(const ColaDeVerificaciones&) = delete;

  // False when the queue is full or the pool is stopping: nothing is run.
  bool Encolar(std::function<void()> tarea, std::function<void()> al_vencer);
  void Detener();

 private:
  struct Tarea {
    uint64_t numero;
    std::function<void()> correr;
  };
  struct Plazo {
    Reloj::time_point vence;
    std::function<void()> al_vencer;
  };

  void Trabajar();
  void Vigilar();

  const size_t capacidad_;
  const std::chrono::milliseconds plazo_;
  std::mutex cerrojo_;
  std::condition_variable hay_tarea_;
  std::condition_variable cambian_plazos_;
  std::deque<Tarea> pendientes_;
  // Tasks accepted and not finished, by number: with one bound for all, the
  // first entry is the next to fall due.
  std::map<uint64_t, Plazo> plazos_;
  uint64_t siguiente_ = 0;
  bool detenida_ = false;
  bool fin_de_vigilancia_ = false;
  std::vector<std::thread> trabajadores_;
  std::thread vigia_;
};

}  // namespace kaldoren
