// The sample declarations of testdata/workbooks/, checked end to end against
// what their README says a correct report shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CorridaDePrueba.h"
#include "TestData.h"
#include "base/Text.h"

namespace kaldoren {
namespace {

namespace fs = std::filesystem;
using testing::TestDataPath;

std::string Bytes(const fs::path& ruta) {
  std::ifstream archivo(ruta, std::ios::binary);
  std::stringstream contenido;
  contenido << archivo.rdbuf();
  return contenido.str();
}

std::vector<std::string> Lineas(const fs::path& ruta) {
  const std::string texto = Text::FromWindows1252(Bytes(ruta));
  std::vector<std::string> lineas;
  size_t inicio = 0;
  for (size_t fin; (fin = texto.find("\r\n", inicio)) != std::string::npos; inicio = fin + 2) {
    lineas.push_back(texto.substr(inicio, fin - inicio));
  }
  return lineas;
}

// The lines of a part-b section: from its title to the ruler that closes it.
std::vector<std::string> Seccion(const std::vector<std::string>& informe,
                                 const std::string& titulo) {
  const auto b = std::find(informe.begin(), informe.end(), std::string(42, ' ') + "b) Uso interno ZOL");
  const auto desde = std::find(b, informe.end(), titulo);
  const auto hasta = std::find(desde, informe.end(), std::string(105, '-'));
  return std::vector<std::string>(desde, hasta);
}

class VerificacionMuestrasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    raiz_ = fs::temp_directory_path() / ("muestras_" + std::to_string(::getpid()));
    fs::remove_all(raiz_);
  }
  void TearDown() override { fs::remove_all(raiz_); }

  // Verifies a sample workbook into its own folder and answers that folder.
  fs::path Verificar(const std::string& libro, bool* con_inconsistencias = nullptr) {
    const fs::path carpeta = raiz_ / libro;
    testing::CorridaDePrueba corrida;
    const ResultadoVerificacion r =
        corrida.Correr(TestDataPath("workbooks/" + libro), carpeta.string(), Text::Upper(libro));
    EXPECT_TRUE(r.estado.ok()) << r.estado.description();
    EXPECT_TRUE(corrida.avisador.avisos.empty());
    if (con_inconsistencias != nullptr) *con_inconsistencias = r.con_inconsistencias;
    return carpeta;
  }

  int Paginas(const fs::path& carpeta) {
    int n = 0;
    while (fs::exists(carpeta / ("HOJA_" + std::to_string(n + 1) + ".TXT"))) ++n;
    return n;
  }

  fs::path raiz_;
};

TEST_F(VerificacionMuestrasTest, EveryMistakeOfTheFaultyDeclarationIsListedInPartA) {
  bool con_inconsistencias = false;
  const fs::path carpeta = Verificar("declaracion_con_errores.xls", &con_inconsistencias);
  EXPECT_TRUE(con_inconsistencias);
  const std::string parte_a = Bytes(TestDataPath("esperado/declaracion_con_errores/parte_a.txt"));
  EXPECT_EQ(Bytes(carpeta / "ERRORES.TXT").substr(0, parte_a.size()), parte_a);
  EXPECT_EQ(Paginas(carpeta), 5);
}

TEST_F(VerificacionMuestrasTest, FaultyDeclarationListsPaymentsAfterLeavingAndTheMissingInstalment) {
  const std::vector<std::string> informe = Lineas(Verificar("declaracion_con_errores.xls") / "ERRORES.TXT");
  const std::vector<std::string> remuneraciones =
      Seccion(informe, "1) REMUNERACIONES INFORMADAS EN PERIODOS QUE NO CORRESPONDE");
  const std::vector<std::string> esperado = {
      "1) REMUNERACIONES INFORMADAS EN PERIODOS QUE NO CORRESPONDE",
      " ",
      "   PERIODO LIQUIDADO        Nº DE ORDEN        FECHA DE BAJA",
      "",
      "       2004/07                    8              15/06/2004",
      "       2004/08                    8              15/06/2004"};
  EXPECT_EQ(remuneraciones, esperado);
  const std::vector<std::string> diferencias = Seccion(informe, "4) DIFERENCIAS");
  ASSERT_EQ(diferencias.size(), 5u);
  EXPECT_EQ(diferencias[4].substr(diferencias[4].size() - 10), "  3.603,68");
  EXPECT_EQ(Seccion(informe, "2) RESUMEN SALARIAL").size(), 4u + 13u);
}

TEST_F(VerificacionMuestrasTest, CorrectDeclarationValidatesEveryCaseOnTwoPages) {
  bool con_inconsistencias = true;
  const fs::path carpeta = Verificar("declaracion_correcta.xls", &con_inconsistencias);
  EXPECT_FALSE(con_inconsistencias);
  const std::vector<std::string> informe = Lineas(carpeta / "ERRORES.TXT");
  EXPECT_EQ(informe.size(), 68u);
  EXPECT_EQ(std::count(informe.begin(), informe.end(), "   « Se han validado todos los Casos »"), 3);
  EXPECT_EQ(Seccion(informe, "1) REMUNERACIONES INFORMADAS EN PERIODOS QUE NO CORRESPONDE"),
            (std::vector<std::string>{"1) REMUNERACIONES INFORMADAS EN PERIODOS QUE NO CORRESPONDE",
                                      " ", "   « No se han registrado Casos »"}));
  EXPECT_EQ(Seccion(informe, "2) RESUMEN SALARIAL").size(), 4u + 13u);
  EXPECT_EQ(Seccion(informe, "3) RESUMEN DE PAGOS").size(), 4u + 14u);
  const std::vector<std::string> diferencias = Seccion(informe, "4) DIFERENCIAS");
  ASSERT_EQ(diferencias.size(), 5u);
  EXPECT_TRUE(diferencias[4].ends_with("     «« OK »»")) << diferencias[4];
  EXPECT_EQ(Paginas(carpeta), 2);
}

TEST_F(VerificacionMuestrasTest, ExcelNinetyFiveCopyGivesTheSameReportAsTheCorrectDeclaration) {
  EXPECT_EQ(Bytes(Verificar("declaracion_excel95.xls") / "ERRORES.TXT"),
            Bytes(Verificar("declaracion_correcta.xls") / "ERRORES.TXT"));
}

TEST_F(VerificacionMuestrasTest, LargeDeclarationMakesElevenPagesThatAllKnowTheTotal) {
  const fs::path carpeta = Verificar("declaracion_grande.xls");
  ASSERT_EQ(Paginas(carpeta), 11);
  for (int k = 1; k <= 11; ++k) {
    const std::string linea = std::string(91, ' ') + "Hoja Nº " + std::to_string(k) + " de 11";
    const std::vector<std::string> pagina = Lineas(carpeta / ("HOJA_" + std::to_string(k) + ".TXT"));
    EXPECT_NE(std::find(pagina.begin(), pagina.end(), linea), pagina.end()) << k;
  }
  const std::vector<std::string> diferencias =
      Seccion(Lineas(carpeta / "ERRORES.TXT"), "4) DIFERENCIAS");
  ASSERT_EQ(diferencias.size(), 5u);
  EXPECT_TRUE(diferencias[4].ends_with(" 31.808,65")) << diferencias[4];
}

TEST_F(VerificacionMuestrasTest, LowerCaseSheetsOfARuralSchoolAreReadAndPass) {
  bool con_inconsistencias = true;
  const fs::path carpeta = Verificar("hojas_minusculas.xls", &con_inconsistencias);
  EXPECT_FALSE(con_inconsistencias);
  const std::vector<std::string> pagina = Lineas(carpeta / "HOJA_1.TXT");
  ASSERT_GT(pagina.size(), 15u);
  EXPECT_EQ(pagina[8], "   Kaldoren :           ");
  EXPECT_EQ(pagina[9], "   Provisorio :         P0815");
  EXPECT_EQ(pagina[11], "   Distrito informado : ADOLFO ALSINA");
  EXPECT_EQ(pagina[14], "Periodos Informados : 2004/03 - 2004/04 - 2004/05");
  const std::vector<std::string> informe = Lineas(carpeta / "ERRORES.TXT");
  EXPECT_EQ(Seccion(informe, "2) RESUMEN SALARIAL").size(), 4u + 3u);
  EXPECT_EQ(Seccion(informe, "3) RESUMEN DE PAGOS").size(), 4u + 3u);
  EXPECT_TRUE(Seccion(informe, "4) DIFERENCIAS").back().ends_with("«« OK »»"));
}

}  // namespace
}  // namespace kaldoren
