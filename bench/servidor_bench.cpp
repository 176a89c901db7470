// Load on the web server: a server on a free loopback port (its own thread
// pool, --trabajos 2) and 8 clients that each upload the three main sample
// workbooks in turn through POST /api/verificaciones, for a number of seconds
// or uploads (whichever ends first). Prints the verifications per second, the
// latency percentiles, the answers that were not 201, and the process's
// resident memory every 2,000 uploads: it grows until the reports held reach
// the results budget, then stays flat.
//
//   servidor_bench [SEGUNDOS=60] [SUBIDAS=1000000] [CLIENTES=8] [PRESUPUESTO_MB=64]
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ClienteHttp.h"
#include "TestData.h"
#include "app/web/CarpetaPrivada.h"
#include "app/web/ServidorWeb.h"

namespace {

using Reloj = std::chrono::steady_clock;

long MemoriaResidenteKB() {
  std::ifstream estado("/proc/self/status");
  std::string linea;
  while (std::getline(estado, linea)) {
    if (linea.rfind("VmRSS:", 0) == 0) return std::stol(linea.substr(6));
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kaldoren;
  const int segundos = argc > 1 ? std::atoi(argv[1]) : 60;
  const long subidas = argc > 2 ? std::atol(argv[2]) : 1000000;
  const int clientes = argc > 3 ? std::atoi(argv[3]) : 8;
  const size_t presupuesto_mb = argc > 4 ? std::strtoul(argv[4], nullptr, 10) : 64;
  std::vector<std::string> libros;
  for (const char* nombre :
       {"declaracion_correcta.xls", "declaracion_con_errores.xls", "declaracion_excel95.xls"}) {
    libros.push_back(
        CarpetaPrivada::Leer(testing::SharedPath(std::string("workbooks/") + nombre)).value_or(""));
  }
  OpcionesServidor opciones;
  opciones.puerto = 0;
  opciones.trabajos = 2;
  opciones.presupuesto_informes = presupuesto_mb << 20;
  opciones.registrar = [](const std::string&) {};
  ServidorWeb servidor(opciones);
  if (!servidor.Iniciar().ok()) return 1;

  std::atomic<long> hechas{0};
  std::atomic<long> fallidas{0};
  std::mutex cerrojo;
  std::vector<double> latencias;
  const Reloj::time_point fin = Reloj::now() + std::chrono::seconds(segundos);
  const Reloj::time_point inicio = Reloj::now();
  std::printf("memoria al comenzar: %ld KB\n", MemoriaResidenteKB());
  const auto cliente = [&](int n) {
    std::vector<double> propias;
    for (size_t i = static_cast<size_t>(n); Reloj::now() < fin && hechas < subidas; ++i) {
      const Reloj::time_point antes = Reloj::now();
      const testing::RespuestaHttp r =
          testing::ClienteHttp::Pedir(servidor.Puerto(), "POST", "/api/verificaciones",
                                      libros[i % libros.size()], "application/octet-stream");
      propias.push_back(std::chrono::duration<double, std::milli>(Reloj::now() - antes).count());
      if (r.estado != 201) ++fallidas;
      if (++hechas % 2000 == 0) {
        std::printf("%ld subidas: memoria %ld KB\n", hechas.load(), MemoriaResidenteKB());
      }
    }
    const std::lock_guard<std::mutex> bloqueo(cerrojo);
    latencias.insert(latencias.end(), propias.begin(), propias.end());
  };
  std::vector<std::thread> hilos;
  for (int n = 0; n < clientes; ++n) hilos.emplace_back(cliente, n);
  for (std::thread& h : hilos) h.join();
  const double total = std::chrono::duration<double>(Reloj::now() - inicio).count();
  std::sort(latencias.begin(), latencias.end());
  const auto percentil = [&](double p) {
    return latencias.empty() ? 0.0 : latencias[static_cast<size_t>(p * (latencias.size() - 1))];
  };
  std::printf("%ld verificaciones en %.1f s con %d clientes: %.1f por segundo\n", hechas.load(),
              total, clientes, hechas / total);
  std::printf("latencia ms: p50 %.1f  p90 %.1f  p99 %.1f  máxima %.1f\n", percentil(0.5),
              percentil(0.9), percentil(0.99), percentil(1.0));
  std::printf("respuestas distintas de 201: %ld\n", fallidas.load());
  std::printf("memoria al terminar: %ld KB\n", MemoriaResidenteKB());
  servidor.Detener();
  return fallidas == 0 ? 0 : 1;
}
