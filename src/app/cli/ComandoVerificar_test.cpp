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
  std::string salida;
  std::string errores;
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
    testing::Guardar(danado_,
                     testing::Contenido(TestDataPath("workbooks/sin_datos.xls")).substr(0, 3000));
  }

  std::string Salida(const std::string& sub = "") const {
    return (sub.empty() ? carpeta_ / "salida" : carpeta_ / "salida" / sub).string();
  }

  testing::CarpetaTemporal carpeta_;
  std::string danado_ = (carpeta_ / "danado.xls").string();
};

TEST_F(ComandoVerificarTest, ReportThatCannotBeWrittenExitsWith2AndSaysWhy) {
  Resultado r;
  {
    const testing::LimiteDeArchivos limite(4096);
    r = Verificar({TestDataPath("workbooks/declaracion_con_errores.xls"), "--salida", Salida()});
  }
  EXPECT_EQ(r.estado, 2);
  EXPECT_EQ(r.salida, "") << "no report is announced";
  EXPECT_EQ(r.errores,
            "kaldoren20: DECLARACION_CON_ERRORES.XLS: Error de Escritura: No se pudo escribir el "
            "archivo " +
                Salida() + "/ERRORES.TXT: el archivo es demasiado grande\n");
  EXPECT_FALSE(fs::exists(Salida("ERRORES.TXT")));
  EXPECT_TRUE(fs::is_empty(Salida())) << "no provisional folder is left";
}

TEST_F(ComandoVerificarTest, PdfOfAllPagesIsInstalledWithTheReportOrRefusedByABuildWithoutQt) {
  const Resultado r = Verificar(
      {TestDataPath("workbooks/declaracion_con_errores.xls"), "--pdf", "--salida", Salida()});

  if (!SalidaPdf::Disponible()) {
    EXPECT_EQ(r.estado, 2);
    EXPECT_EQ(r.errores,
              "kaldoren20: Este kaldoren20 se construyó sin Qt y no puede escribir archivos PDF\n");
    EXPECT_FALSE(fs::exists(Salida("ERRORES.TXT")));
    return;
  }
  EXPECT_EQ(r.estado, 1);
  const std::string pdf = testing::Contenido(Salida("INFORME.PDF"));
  size_t hojas = 0;
  for (size_t en = pdf.find("/Type /Page\n"); en != std::string::npos;
       en = pdf.find("/Type /Page\n", en + 1)) {
    ++hojas;
  }
  EXPECT_GT(testing::Paginas(Salida()), 1);
  EXPECT_EQ(hojas, static_cast<size_t>(testing::Paginas(Salida())));
}

TEST_F(ComandoVerificarTest, AmongSeveralWorkbooksTheDamagedOneGetsNoFolderAndTheStatusIs2) {
  const Resultado r =
      Verificar({TestDataPath("workbooks/sin_datos.xls"), danado_, "--salida", Salida()});
  EXPECT_EQ(r.estado, 2);
  EXPECT_EQ(r.salida,
            "SIN_DATOS.XLS: " + Salida("SIN_DATOS/ERRORES.TXT") + " (sin inconsistencias)\n");
  EXPECT_EQ(r.errores,
            "kaldoren20: DANADO.XLS: Error de Apertura: El archivo está dañado: el contenedor OLE2 "
            "no se puede leer\n");
  EXPECT_TRUE(fs::exists(Salida("SIN_DATOS/HOJA_1.TXT")));
  EXPECT_FALSE(fs::exists(Salida("DANADO")));
}

TEST_F(ComandoVerificarTest, AnOptionWithoutItsValueOrWithOneItTakesNoneSaysSo) {
  const struct {
    std::vector<std::string> opciones;
    std::string mensaje;
  } casos[] = {
      {{"--salida"}, "kaldoren20: --salida lleva una carpeta\n"},
      {{"--salida", "--json"}, "kaldoren20: --salida lleva una carpeta\n"},
      {{"--salida="}, "kaldoren20: --salida lleva una carpeta\n"},
      {{"--json=si"}, "kaldoren20: --json no lleva valor\n"},
      {{"--marcada=1"}, "kaldoren20: --marcada no lleva valor\n"},
      {{"--otra"}, "kaldoren20: opción desconocida: --otra\n"},
  };
  for (const auto& c : casos) {
    std::vector<std::string> argumentos = {TestDataPath("workbooks/sin_datos.xls")};
    argumentos.insert(argumentos.end(), c.opciones.begin(), c.opciones.end());
    const Resultado r = Verificar(argumentos);
    EXPECT_EQ(r.estado, 2) << c.mensaje;
    EXPECT_EQ(r.errores, c.mensaje);
  }
}

TEST_F(ComandoVerificarTest, JsonPrintsOneDocumentPerWorkbookInTheOrderGiven) {
  const Resultado r = Verificar({danado_, TestDataPath("workbooks/sin_datos.xls"), "--json",
                                 "--hallazgos", "--salida", Salida()});
  EXPECT_EQ(r.estado, 2);
  const size_t fin = r.salida.find('\n');
  ASSERT_NE(fin, std::string::npos);
  EXPECT_EQ(r.salida.substr(0, fin),
            R"({"formato":"kaldoren20-hallazgos","version":1,"archivo":"DANADO.XLS","error":)"
            R"({"titulo":"Error de Apertura","mensaje":"El archivo está dañado: el contenedor )"
            R"(OLE2 no se puede leer"}})");
  std::ifstream documento(Salida("SIN_DATOS/HALLAZGOS.JSON"));
  std::string escrito;
  std::getline(documento, escrito);
  EXPECT_EQ(r.salida.substr(fin + 1), escrito + "\n");
  EXPECT_NE(escrito.find(R"("inconsistencias":false,"hallazgos":[]})"), std::string::npos);
}

}  // namespace
}  // namespace kaldoren
