// limites_bench: how the time and memory of a verification grow with the
// workbook. Part 1 verifies declarations of 4,095 to 65,535 teacher rows and
// prints the time per row, which stays flat when nothing in the reader, the
// query engine, the checks or the page splitter is worse than linear. Part 2
// reads and verifies the extreme workbooks: one of about 100 MB, one with a
// million shared texts, one whose teacher sheet claims the whole grid of
// formulas. Each case runs in a child process, so its peak memory is its own.
//
// Usage: limites_bench [CARPETA]   (default: a folder under /tmp, removed after)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "CorridaDePrueba.h"
#include "workbook/WorkbookReader.h"
#include "workbook/xls/testing/DeclaracionSintetica.h"

namespace {

namespace fs = std::filesystem;
using kaldoren::testing::DeclaracionSintetica;

struct Medida {
  double lectura = 0;       // seconds to read the workbook
  double verificacion = 0;  // seconds of the whole run (which reads it again)
  long pico_mb = 0;         // peak resident memory of the child
  bool informe = false;     // the run wrote a complete report
};

double Segundos(std::chrono::steady_clock::time_point desde) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - desde).count();
}

// Reads and verifies the workbook at ruta in a child process.
Medida Medir(const fs::path& ruta, const fs::path& informe) {
  int tubo[2];
  if (pipe(tubo) != 0) return {};
  const pid_t hijo = fork();
  if (hijo == 0) {
    Medida m;
    auto comienzo = std::chrono::steady_clock::now();
    {
      kaldoren::Workbook libro;
      kaldoren::WorkbookReader::Read(ruta.string(), &libro);
      m.lectura = Segundos(comienzo);
    }
    comienzo = std::chrono::steady_clock::now();
    kaldoren::testing::CorridaDePrueba corrida;
    m.informe = corrida.Correr(ruta.string(), informe.string()).estado.ok();
    m.verificacion = Segundos(comienzo);
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    m.pico_mb = uso.ru_maxrss / 1024;
    const bool escrito = write(tubo[1], &m, sizeof m) == static_cast<ssize_t>(sizeof m);
    _exit(escrito ? 0 : 1);
  }
  close(tubo[1]);
  Medida m;
  if (read(tubo[0], &m, sizeof m) != static_cast<ssize_t>(sizeof m)) m = {};
  close(tubo[0]);
  waitpid(hijo, nullptr, 0);
  return m;
}

// Writes the workbook the generator makes, then measures it; the bytes are
// released before the child starts, so they do not count in its memory.
Medida Caso(const fs::path& carpeta, const std::function<std::string()>& generar,
            double* megabytes) {
  const fs::path ruta = carpeta / "LIBRO.XLS";
  {
    const std::string archivo = generar();
    *megabytes = archivo.size() / 1e6;
    std::ofstream(ruta, std::ios::binary | std::ios::trunc) << archivo;
  }
  return Medir(ruta, carpeta / "informe");
}

void Filas(const fs::path& carpeta) {
  std::printf("Filas de DATOSDOC   MB  lectura s  verificación s  µs por fila  pico MB  informe\n");
  double primero = 0;
  double ultimo = 0;
  for (std::uint32_t filas = 4095; filas <= 65535; filas = filas * 2 + 1) {
    double mb = 0;
    const Medida m = Caso(
        carpeta, [filas] { return DeclaracionSintetica::Archivo(filas); }, &mb);
    const double por_fila = m.verificacion / filas * 1e6;
    if (primero == 0) primero = por_fila;
    ultimo = por_fila;
    std::printf("%17u %5.1f %10.3f %15.3f %12.2f %8ld  %s\n", filas, mb, m.lectura, m.verificacion,
                por_fila, m.pico_mb, m.informe ? "sí" : "NO");
  }
  std::printf(
      "Tiempo por fila, la mayor sobre la menor: %.2f (lineal: cerca de 1; cuadrático: 16)\n\n",
      ultimo / primero);
}

void Extremos(const fs::path& carpeta) {
  const struct {
    const char* nombre;
    std::function<std::string()> generar;
  } casos[] = {
      {"100 MB (65.535 filas, observaciones de 1.300 caracteres)",
       [] { return DeclaracionSintetica::Archivo(65535, 1300); }},
      {"un millón de textos compartidos",
       [] { return DeclaracionSintetica::ConTextosCompartidos(1000000).File(); }},
      {"DATOSDOC dice tener 65.536 x 256 fórmulas",
       [] { return DeclaracionSintetica::ConRejillaDeFormulas().File(); }},
  };
  std::printf("%-58s %7s %10s %15s %8s  %s\n", "Libro extremo", "MB", "lectura s", "verificación s",
              "pico MB", "informe");
  for (const auto& c : casos) {
    double mb = 0;
    const Medida m = Caso(carpeta, c.generar, &mb);
    std::printf("%-58s %7.1f %10.3f %15.3f %8ld  %s\n", c.nombre, mb, m.lectura, m.verificacion,
                m.pico_mb, m.informe ? "sí" : "NO");
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool propia = argc < 2;
  const fs::path carpeta =
      propia ? fs::temp_directory_path() / ("limites_bench_" + std::to_string(getpid())) : argv[1];
  fs::create_directories(carpeta);
  Filas(carpeta);
  Extremos(carpeta);
  if (propia) fs::remove_all(carpeta);
  return 0;
}
