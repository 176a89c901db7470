// Fuzz target of the whole verification run: the input is a workbook (a
// compound file or a bare workbook stream), written to a file in memory and
// verified as the command line verifies it, into a report folder that holds
// the previous input's report. Mutations are structure-aware (MutadorBiff),
// so from the seed declarations most mutants still open and reach the checks,
// the summaries, the header and the page splitter.
//
// Beyond the sanitizers, every run must keep these promises: the workbook is
// never written; a run that is refused says why, once, and leaves the earlier
// report and pages exactly as they were; only opening may fail (the report
// folder is always writable); a run that succeeds leaves the report and the
// pages 1 to N it announces, and no provisional folder behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <string_view>

#include "ArchivoEnMemoria.h"
#include "Archivos.h"
#include "CorridaDePrueba.h"
#include "MutadorBiff.h"

namespace {

namespace fs = std::filesystem;
using Carpeta = std::map<std::string, std::string>;

// Every entry of the folder with the content of its files ("<carpeta>" for a folder).
Carpeta Foto(const fs::path& carpeta) {
  Carpeta foto;
  for (const auto& entrada : fs::directory_iterator(carpeta)) {
    foto[entrada.path().filename().string()] =
        entrada.is_regular_file() ? kaldoren::testing::Contenido(entrada.path()) : "<carpeta>";
  }
  return foto;
}

// A finished report: ERRORES.TXT and the pages HOJA_1 to HOJA_N, where N is
// the total page 1 announces, and nothing else.
bool InformeCompleto(const Carpeta& foto) {
  const auto hoja1 = foto.find("HOJA_1.TXT");
  if (!foto.contains("ERRORES.TXT") || hoja1 == foto.end()) return false;
  const std::string marca = "Hoja N\xBA 1 de ";
  const std::size_t en = hoja1->second.find(marca);
  if (en == std::string::npos) return false;
  const std::size_t paginas = std::strtoul(hoja1->second.c_str() + en + marca.size(), nullptr, 10);
  if (foto.size() != paginas + 1) return false;
  for (std::size_t k = 1; k <= paginas; ++k) {
    if (!foto.contains("HOJA_" + std::to_string(k) + ".TXT")) return false;
  }
  return true;
}

bool EsDeApertura(const std::string& aviso) {
  static const std::regex kApertura("(Error de Apertura|Error de Datos): [\\s\\S]+");
  return std::regex_match(aviso, kApertura);
}

}  // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t max_size, unsigned int seed) {
  return kaldoren::fuzz::MutadorBiff::Mutar(data, size, max_size, seed);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kaldoren::fuzz::ArchivoEnMemoria archivo;
  archivo.Escribir(data, size);
  // Under $TMPDIR (fuzz/correr.sh points it at /dev/shm), removed at exit.
  static const kaldoren::testing::CarpetaTemporal informe;
  const fs::path& carpeta = informe.ruta();
  const Carpeta antes = Foto(carpeta);

  static kaldoren::testing::CorridaDePrueba corrida;
  const kaldoren::ResultadoVerificacion resultado =
      corrida.Correr(archivo.ruta(), carpeta.string());

  const Carpeta despues = Foto(carpeta);
  if (resultado.estado.ok()) {
    if (!corrida.avisador.avisos.empty() || !InformeCompleto(despues)) std::abort();
  } else {
    // Only opening can fail here: the folder is always writable, and a
    // workbook that opens must be verified whatever its cells hold.
    if (corrida.avisador.avisos.size() != 1 || !EsDeApertura(corrida.avisador.avisos[0])) {
      std::abort();
    }
    if (despues != antes) std::abort();
  }
  const std::string_view entrada(reinterpret_cast<const char*>(data), size);
  if (kaldoren::testing::Contenido(archivo.ruta()) != entrada) std::abort();
  return 0;
}
