// The twins: each sample workbook saved again in a newer format (testdata/
// workbooks/<format>/) must read as its .xls: the same cells, kinds and
// values through "celdas", and a verification report identical byte for byte
// (the header's file name and modification time are the run's, given alike).
// One row per format.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "Archivos.h"
#include "CorridaDePrueba.h"
#include "TestData.h"
#include "app/cli/ComandoCeldas.h"

namespace kaldoren {
namespace {

namespace fs = std::filesystem;
using testing::TestDataPath;

std::string Celdas(const fs::path& planilla) {
  std::ostringstream salida;
  std::ostringstream errores;
  EXPECT_EQ(ComandoCeldas(salida, errores).Ejecutar(planilla.string()), 0) << errores.str();
  return salida.str();
}

// Every file a verification left in carpeta, by name.
std::map<std::string, std::string> Informe(const fs::path& planilla, const fs::path& carpeta) {
  testing::CorridaDePrueba corrida;
  corrida.Correr(planilla.string(), carpeta.string(), "PLANILLA");
  std::map<std::string, std::string> archivos;
  std::error_code sin_carpeta;  // a workbook refused leaves no folder
  for (const auto& e : fs::directory_iterator(carpeta, sin_carpeta)) {
    archivos[e.path().filename().string()] = testing::Contenido(e.path());
  }
  archivos["(avisos)"] = ::testing::PrintToString(corrida.avisador.avisos);
  return archivos;
}

class Gemelos : public ::testing::TestWithParam<std::string> {};

TEST_P(Gemelos, CadaLibroSeLeeYSeVerificaComoSuGemeloXls) {
  const std::string formato = GetParam();
  const testing::CarpetaTemporal carpeta;
  int libros = 0;
  for (const auto& e : fs::directory_iterator(TestDataPath("workbooks/" + formato))) {
    if (e.path().extension() != "." + formato) continue;
    ++libros;
    const fs::path xls = TestDataPath("workbooks/" + e.path().stem().string() + ".xls");
    SCOPED_TRACE(e.path().filename().string());
    EXPECT_EQ(Celdas(e.path()), Celdas(xls));
    const fs::path raiz = carpeta / e.path().filename().string();
    EXPECT_EQ(Informe(e.path(), raiz / "gemelo"), Informe(xls, raiz / "xls"));
  }
  EXPECT_EQ(libros, 7);
}

INSTANTIATE_TEST_SUITE_P(Formatos, Gemelos, ::testing::Values("xlsx", "ods"));

}  // namespace
}  // namespace kaldoren
