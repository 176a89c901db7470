#include "app/cli/ComandoVerificar.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "Archivos.h"
#include "LimiteDeArchivos.h"
#include "TestData.h"
#include "app/cli/SalidaPdf.h"

namespace kaldoren {
namespace {

namespace fs = std::filesystem;
using testing::TestDataPath;

struct Resultado {
  int estado;
  std::string salida, errores;
};

Resultado Verificar(const std::vector<std::string>& argumentos) {
  std::ostringstream salida;
  char* texto = nullptr;
  size_t largo = 0;
  std::FILE* errores = open_memstream(&texto, &largo);
  const int estado = ComandoVerificar(salida, errores).Ejecutar(argumentos);
  std::fclose(errores);
  Resultado r{estado, salida.str(), std::string(texto, largo)};
  std::free(texto);
  return r;
}

class ComandoVerificarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::Guardar(danado_, testing::Contenido(sin_datos_).substr(0, 3000));
  }

  testing::CarpetaTemporal carpeta_;
  const std::string salida_ = (carpeta_ / "salida").string();
  const std::string danado_ = (carpeta_ / "danado.xls").string();
  const std::string sin_datos_ = TestDataPath("workbooks/sin_datos.xls");
  const std::string con_errores_ = TestDataPath("workbooks/declaracion_con_errores.xls");
};

TEST_F(ComandoVerificarTest, ReportThatCannotBeWrittenExitsWith2AndSaysWhy) {
  const Resultado r = [&] {
    const testing::LimiteDeArchivos limite(4096);
    return Verificar({con_errores_, "--salida", salida_});
  }();
  EXPECT_EQ(r.estado, 2);
  EXPECT_EQ(r.salida, "") << "no report is announced";
  EXPECT_EQ(r.errores,
            "kaldoren20: DECLARACION_CON_ERRORES.XLS: Error de Escritura: No se pudo escribir el "
            "archivo " +
                salida_ + "/ERRORES.TXT: el archivo es demasiado grande\n");
  EXPECT_FALSE(fs::exists(salida_ + "/ERRORES.TXT"));
  EXPECT_TRUE(fs::is_empty(salida_)) << "no provisional folder is left";
}

TEST_F(ComandoVerificarTest, PdfOfAllPagesIsInstalledWithTheReportOrRefusedByABuildWithoutQt) {
  const Resultado r = Verificar({con_errores_, "--pdf", "--salida", salida_});

  if (!SalidaPdf::Disponible()) {
    EXPECT_EQ(r.estado, 2);
    EXPECT_EQ(r.errores,
              "kaldoren20: Este kaldoren20 se construyó sin Qt y no puede escribir archivos PDF\n");
    EXPECT_FALSE(fs::exists(salida_ + "/ERRORES.TXT"));
    return;
  }
  EXPECT_EQ(r.estado, 1);
  const std::string pdf = testing::Contenido(salida_ + "/INFORME.PDF");
  int hojas = 0;
  for (size_t en = 0; (en = pdf.find("/Type /Page\n", en)) != std::string::npos; ++en) ++hojas;
  EXPECT_GT(testing::Paginas(salida_), 1);
  EXPECT_EQ(hojas, testing::Paginas(salida_));
}

TEST_F(ComandoVerificarTest, AmongSeveralWorkbooksTheDamagedOneGetsNoFolderAndTheStatusIs2) {
  const Resultado r = Verificar({sin_datos_, danado_, "--salida", salida_});
  EXPECT_EQ(r.estado, 2);
  EXPECT_EQ(r.salida,
            "SIN_DATOS.XLS: " + salida_ + "/SIN_DATOS/ERRORES.TXT (sin inconsistencias)\n");
  EXPECT_EQ(r.errores,
            "kaldoren20: DANADO.XLS: Error de Apertura: El archivo está dañado: el contenedor OLE2 "
            "no se puede leer\n");
  EXPECT_TRUE(fs::exists(salida_ + "/SIN_DATOS/HOJA_1.TXT"));
  EXPECT_FALSE(fs::exists(salida_ + "/DANADO"));
}

TEST_F(ComandoVerificarTest, AnOptionWithoutItsValueOrWithOneItTakesNoneSaysSo) {
  const std::pair<std::vector<std::string>, std::string> casos[] = {
      {{"--salida"}, "kaldoren20: --salida lleva una carpeta\n"},
      {{"--salida", "--json"}, "kaldoren20: --salida lleva una carpeta\n"},
      {{"--salida="}, "kaldoren20: --salida lleva una carpeta\n"},
      {{"--json=si"}, "kaldoren20: --json no lleva valor\n"},
      {{"--marcada=1"}, "kaldoren20: --marcada no lleva valor\n"},
      {{"--otra"}, "kaldoren20: opción desconocida: --otra\n"},
  };
  for (const auto& [opciones, mensaje] : casos) {
    std::vector<std::string> argumentos = {sin_datos_};
    argumentos.insert(argumentos.end(), opciones.begin(), opciones.end());
    const Resultado r = Verificar(argumentos);
    EXPECT_EQ(r.estado, 2) << mensaje;
    EXPECT_EQ(r.errores, mensaje);
  }
}

TEST_F(ComandoVerificarTest, JsonPrintsOneDocumentPerWorkbookInTheOrderGiven) {
  const Resultado r =
      Verificar({danado_, sin_datos_, "--json", "--hallazgos", "--salida", salida_});
  EXPECT_EQ(r.estado, 2);
  const std::string escrito = testing::Contenido(salida_ + "/SIN_DATOS/HALLAZGOS.JSON");
  EXPECT_EQ(r.salida,
            R"({"formato":"kaldoren20-hallazgos","version":1,"archivo":"DANADO.XLS","error":)"
            R"({"titulo":"Error de Apertura","mensaje":"El archivo está dañado: el contenedor )"
            R"(OLE2 no se puede leer"}})" +
                ("\n" + escrito));
  EXPECT_NE(escrito.find(R"("inconsistencias":false,"hallazgos":[]})"), std::string::npos);
}

}  // namespace
}  // namespace kaldoren
