// The sample declarations saved again in the newer formats (testdata/
// workbooks/<format>/, made from the .xls by the spreadsheet program that
// wrote it): each twin must list the same cells through `celdas` and give the
// same report, byte for byte, as its .xls, whatever format it is in.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

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
  const int estado = ComandoCeldas(salida, errores).Ejecutar(planilla.string());
  return std::to_string(estado) + errores.str() + salida.str();
}

// Every file a verification leaves, by name, and the messages it gave.
std::map<std::string, std::string> Informe(const fs::path& planilla, const fs::path& carpeta) {
  testing::CorridaDePrueba corrida;
  corrida.Correr(planilla.string(), carpeta.string());
  std::map<std::string, std::string> archivos;
  for (const std::string& aviso : corrida.avisador.avisos) archivos["aviso"] += aviso + "\n";
  if (!fs::exists(carpeta)) return archivos;
  for (const auto& e : fs::directory_iterator(carpeta)) {
    std::ifstream archivo(e.path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << archivo.rdbuf();
    archivos[e.path().filename().string()] = bytes.str();
  }
  return archivos;
}

class GemelosDeFormato : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    raiz_ = fs::temp_directory_path() / ("gemelos_" + std::to_string(::getpid()));
    fs::remove_all(raiz_);
  }
  void TearDown() override { fs::remove_all(raiz_); }

  fs::path raiz_;
};

TEST_P(GemelosDeFormato, EveryTwinListsTheCellsAndGivesTheReportOfItsXls) {
  const std::string formato = GetParam();
  int gemelos = 0;
  for (const auto& e : fs::directory_iterator(TestDataPath("workbooks/" + formato))) {
    const fs::path gemelo = e.path();
    const fs::path xls = fs::path(TestDataPath("workbooks")) / gemelo.stem() += ".xls";
    SCOPED_TRACE(gemelo.filename().string());
    ASSERT_TRUE(fs::exists(xls));
    EXPECT_EQ(Celdas(gemelo), Celdas(xls));
    const std::string nombre = gemelo.stem().string();
    EXPECT_EQ(Informe(gemelo, raiz_ / formato / nombre), Informe(xls, raiz_ / "xls" / nombre));
    ++gemelos;
  }
  EXPECT_EQ(gemelos, 7);
}

INSTANTIATE_TEST_SUITE_P(Formatos, GemelosDeFormato, ::testing::Values("ods"));

}  // namespace
}  // namespace kaldoren
