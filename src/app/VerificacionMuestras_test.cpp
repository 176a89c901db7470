// The sample declarations of testdata/workbooks/, checked end to end: whole
// reports against the expected files of testdata/esperado, and part a of the
// faulty one against what its README says a correct report shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Archivos.h"
#include "CorridaDePrueba.h"
#include "TestData.h"

namespace kaldoren {
namespace {

namespace fs = std::filesystem;
using testing::Contenido;
using testing::Lineas;
using testing::Paginas;
using testing::TestDataPath;

// The lines of a part-b section: from its title to the ruler that closes it.
std::vector<std::string> Seccion(const std::vector<std::string>& informe,
                                 const std::string& titulo) {
  const auto b =
      std::find(informe.begin(), informe.end(), std::string(42, ' ') + "b) Uso interno ZOL");
  const auto desde = std::find(b, informe.end(), titulo);
  const auto hasta = std::find(desde, informe.end(), std::string(105, '-'));
  return std::vector<std::string>(desde, hasta);
}

class VerificacionMuestrasTest : public ::testing::Test {
 protected:
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

  testing::CarpetaTemporal raiz_;
};

TEST_F(VerificacionMuestrasTest, FaultyDeclarationGivesTheExpectedReportOnFivePages) {
  bool con_inconsistencias = false;
  const fs::path carpeta = Verificar("declaracion_con_errores.xls", &con_inconsistencias);
  EXPECT_TRUE(con_inconsistencias);
  const std::string informe = Contenido(carpeta / "ERRORES.TXT");
  const std::string parte_a =
      Contenido(TestDataPath("esperado/declaracion_con_errores/parte_a.txt"));
  EXPECT_EQ(informe.substr(0, parte_a.size()), parte_a) << "every mistake of the README";
  EXPECT_EQ(informe, Contenido(TestDataPath("esperado/declaracion_con_errores/ERRORES.TXT")));
  EXPECT_EQ(Paginas(carpeta), 5);
}

TEST_F(VerificacionMuestrasTest, CorrectDeclarationAndItsExcel95CopyValidateOnTwoPages) {
  const std::string esperado = Contenido(TestDataPath("esperado/declaracion_correcta/ERRORES.TXT"));
  for (const char* libro : {"declaracion_correcta.xls", "declaracion_excel95.xls"}) {
    bool con_inconsistencias = true;
    const fs::path carpeta = Verificar(libro, &con_inconsistencias);
    EXPECT_FALSE(con_inconsistencias) << libro;
    EXPECT_EQ(Contenido(carpeta / "ERRORES.TXT"), esperado) << libro;
    EXPECT_EQ(Paginas(carpeta), 2) << libro;
  }
}

TEST_F(VerificacionMuestrasTest, LargeDeclarationMakesElevenPagesAndTotalsItsDifferences) {
  const fs::path carpeta = Verificar("declaracion_grande.xls");
  ASSERT_EQ(Paginas(carpeta), 11);
  const std::vector<std::string> ultima = Lineas(carpeta / "HOJA_11.TXT");
  EXPECT_EQ(ultima.at(15), std::string(91, ' ') + "Hoja Nº 11 de 11");
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
